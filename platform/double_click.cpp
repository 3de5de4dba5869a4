#include "platform/double_click.h"

#include <cstdlib>

namespace korvane::platform {

bool DoubleClickDetector::isDoubleClick(unsigned button, QPoint pos, std::uint64_t timeMs) {
  const bool isDouble = havePrevious_ && button == previousButton_ && timeMs >= previousTime_ &&
                        timeMs - previousTime_ <= intervalMs_ &&
                        std::abs(pos.x() - previousPos_.x()) <= distance_ &&
                        std::abs(pos.y() - previousPos_.y()) <= distance_;
  havePrevious_ = !isDouble;
  previousButton_ = button;
  previousPos_ = pos;
  previousTime_ = timeMs;
  return isDouble;
}

}  // namespace korvane::platform
