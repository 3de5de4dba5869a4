#pragma once

#include <QPoint>

#include <cstdint>

namespace korvane::platform {

// Tells whether a press is the second press of a double-click: the same
// button, soon enough and close enough after a first press. The press after a
// double-click starts a new pair.
class DoubleClickDetector {
 public:
  DoubleClickDetector(std::uint64_t intervalMs, int distance) : intervalMs_(intervalMs), distance_(distance) {}

  bool isDoubleClick(unsigned button, QPoint pos, std::uint64_t timeMs);

 private:
  std::uint64_t intervalMs_;
  int distance_;
  bool havePrevious_ = false;
  unsigned previousButton_ = 0;
  QPoint previousPos_;
  std::uint64_t previousTime_ = 0;
};

}  // namespace korvane::platform
