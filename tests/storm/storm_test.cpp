#include "tests/storm/storm.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

namespace korvane::storm {
namespace {

// KORVANE_STORM_EVENTS and KORVANE_STORM_SEED lengthen or vary the storm by hand.
long eventsFromEnvironment(long fallback) {
  const char* text = std::getenv("KORVANE_STORM_EVENTS");
  return text ? std::strtol(text, nullptr, 10) : fallback;
}

std::uint64_t seedFromEnvironment(std::uint64_t fallback) {
  const char* text = std::getenv("KORVANE_STORM_SEED");
  return text ? std::strtoull(text, nullptr, 10) : fallback;
}

void print(const StormSettings& settings, const StormReport& report) {
  std::cout << "storm seed " << settings.seed << ": " << report.events << " events, " << report.programs
            << " programs, " << report.noticeOpenings << " notice windows, " << report.pageTurns
            << " page turns, " << report.pageWrites << " page writes, " << report.windowStateWrites
            << " window-state writes, " << report.paints << " paints\n";
}

TEST(Storm, HoldsEveryInvariantForItsSeed) {
  StormSettings settings;
  settings.seed = seedFromEnvironment(20261211);
  settings.events = eventsFromEnvironment(100000);
  const StormReport report = runStorm(settings);
  print(settings, report);
  ASSERT_EQ(report.failure, "");
  EXPECT_EQ(report.events, settings.events);

  // A storm that never reached these states would prove little.
  if (settings.events < 20000) return;
  EXPECT_GE(report.programs, 3);
  EXPECT_GE(report.noticeOpenings, 10);
  EXPECT_GE(report.pageTurns, 100);
  EXPECT_GT(report.paints, 0);
  for (int page = 0; page < 6; ++page) EXPECT_GT(report.pagesSeen[page], 0) << "page " << page;
  const unsigned allPages[] = {0b1110, 0b1110, 0b0110, 0b0110, 0b1110};
  for (int category = 0; category < 5; ++category) {
    EXPECT_EQ(report.categoryPagesSeen[category], allPages[category]) << "category " << category;
  }
}

TEST(Storm, IsTheSameForTheSameSeed) {
  StormSettings settings;
  settings.seed = 7;
  settings.events = 3000;
  const StormReport first = runStorm(settings);
  const StormReport again = runStorm(settings);
  settings.seed = 8;
  const StormReport other = runStorm(settings);
  ASSERT_EQ(first.failure, "");
  EXPECT_EQ(first.trace, again.trace);
  EXPECT_EQ(first.programs, again.programs);
  EXPECT_EQ(first.pageTurns, again.pageTurns);
  EXPECT_NE(first.trace, other.trace);
}

}  // namespace
}  // namespace korvane::storm
