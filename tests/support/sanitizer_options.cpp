// Default options of the sanitizers, read by their runtimes before main.
// Options given in the environment still override them.

extern "C" {

const char* __asan_default_options() {
  return "detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:strict_init_order=1:"
         "check_initialization_order=1";
}

const char* __lsan_default_options() {
  return "suppressions=" KORVANE_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

const char* __ubsan_default_options() { return "halt_on_error=1:print_stacktrace=1"; }

}
