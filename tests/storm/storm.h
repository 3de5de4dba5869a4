#pragma once

// A seeded input storm against the whole program in memory: random mouse and
// key input on both windows, window-state and current-page writes, and a new
// program whenever one ends. After every event the invariants of the
// catalogue are checked; the first one broken ends the storm.

#include <array>
#include <cstdint>
#include <string>

namespace korvane::storm {

struct StormSettings {
  std::uint64_t seed = 1;
  long events = 100000;
  // Both windows are painted into memory every this many events.
  int paintEvery = 250;
};

struct StormReport {
  long events = 0;
  int programs = 0;
  int noticeOpenings = 0;
  int pageTurns = 0;
  int pageWrites = 0;
  int windowStateWrites = 0;
  int paints = 0;
  // How often each page of the page container was found current.
  std::array<long, 6> pagesSeen{};
  // Pages each category was found on, as bits (bit k for page k).
  std::array<unsigned, 5> categoryPagesSeen{};
  // A hash of every event and of the state it led to.
  std::uint64_t trace = 0;
  // The first broken invariant, with the event and seed; empty when none broke.
  std::string failure;
};

StormReport runStorm(const StormSettings& settings);

}  // namespace korvane::storm
