#include "bench/paired_figures.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <utility>
#include <vector>

namespace korvane::bench {

namespace {

constexpr const char* kOursSuffix = " [ours]";
constexpr const char* kFloorSuffix = " [floor]";

struct Target {
  double factor = 1.0;
  double allowanceMs = 0.0;
};

std::map<std::string, Target>& targets() {
  static std::map<std::string, Target> all;
  return all;
}

double median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

bool endsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Keeps the console report, on standard error, and collects the time of one
// repetition (per picture where the benchmark says so) for every benchmark.
class PairingReporter : public benchmark::ConsoleReporter {
 public:
  PairingReporter() : ConsoleReporter(OO_Tabular) {
    SetOutputStream(&std::cerr);
    SetErrorStream(&std::cerr);
  }

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) continue;
      // Benchmarks that time only part of an iteration report that part,
      // measured on the thread's CPU clock, as manual time.
      const bool manual = run.run_name.time_type == "manual_time";
      const double seconds = manual ? run.real_accumulated_time : run.cpu_accumulated_time;
      double ms = seconds * 1000.0 / static_cast<double>(run.iterations);
      if (const auto per = run.counters.find(kPerIteration); per != run.counters.end()) {
        if (per->second.value > 0) ms /= per->second.value;
      }
      const std::string& name = run.run_name.function_name;
      family_.emplace(name, run.family_index);
      samples_[name].push_back(ms);
    }
  }

  // In the order the benchmarks were registered, which interleaving hides.
  void printRows() const {
    std::vector<std::string> order;
    for (const auto& [name, times] : samples_) order.push_back(name);
    std::sort(order.begin(), order.end(),
              [this](const std::string& a, const std::string& b) { return family_.at(a) < family_.at(b); });
    for (const std::string& name : order) {
      if (!endsWith(name, kOursSuffix)) continue;
      const std::vector<double>& times = samples_.at(name);
      const std::string figure = name.substr(0, name.size() - std::string(kOursSuffix).size());
      const auto floor = samples_.find(figure + kFloorSuffix);
      if (floor == samples_.end()) continue;
      std::printf("%s\t%.4f\t%.4f\t", figure.c_str(), median(times), median(floor->second));
      if (const auto target = targets().find(figure); target != targets().end()) {
        std::printf("%g\t%g\tms\n", target->second.factor, target->second.allowanceMs);
      } else {
        std::printf("-\t-\tms\n");
      }
    }
    std::fflush(stdout);
  }

 private:
  std::map<std::string, std::vector<double>> samples_;
  std::map<std::string, std::int64_t> family_;
};

}  // namespace

std::string oursName(const std::string& figure) { return figure + kOursSuffix; }
std::string floorName(const std::string& figure) { return figure + kFloorSuffix; }

void setTarget(const std::string& figure, double factor, double allowanceMs) {
  targets()[figure] = Target{factor, allowanceMs};
}

int runPairedFigures(int argc, char** argv) {
  // Defaults that later arguments on the command line may override.
  std::vector<char*> args{argv[0]};
  std::string repetitions = "--benchmark_repetitions=15";
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  std::string minTime = "--benchmark_min_time=0.05";
  args.push_back(repetitions.data());
  args.push_back(interleave.data());
  args.push_back(minTime.data());
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;

  PairingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  reporter.printRows();
  return 0;
}

}  // namespace korvane::bench
