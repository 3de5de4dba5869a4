#pragma once

#include <ctime>

namespace korvane::bench {

// CPU time of the calling thread, in seconds: what the work between two
// readings cost, untouched by other processes taking turns on the machine.
inline double threadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace korvane::bench
