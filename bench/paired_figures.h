#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace korvane::bench {

// Benchmarks come in pairs: "<figure> [ours]" and "<figure> [floor]". Each
// figure is printed as one row "figure<TAB>ours ms<TAB>floor ms<TAB>factor
// <TAB>allowance<TAB>ms" on standard output, where the target is
// ours <= factor × floor + allowance ("-" for both: a figure without a
// target). A side's figure is the median over the
// repetitions of the CPU time of one iteration (or of its manually timed
// part), which other work on a busy machine disturbs far less than the
// wall-clock time. Google Benchmark's own
// report goes to standard error.
std::string oursName(const std::string& figure);
std::string floorName(const std::string& figure);
void setTarget(const std::string& figure, double factor, double allowanceMs = 0.0);

// Both sides of a figure that handles several pictures per iteration report
// the time of one picture when they set this counter to the count.
constexpr const char* kPerIteration = "pictures";

// Runs every registered benchmark, repeated and interleaved so that noise
// hits both sides of a pair alike, and prints the rows.
int runPairedFigures(int argc, char** argv);

}  // namespace korvane::bench
