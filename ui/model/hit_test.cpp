#include "ui/model/hit_test.h"

namespace korvane::model {
namespace {

HitResult hitWithin(const std::vector<LiveControl*>& topmostFirst, QPoint pos, LiveControl* parent) {
  for (LiveControl* control : topmostFirst) {
    if (!control->shown || !control->rect.contains(pos)) continue;
    if (control->disabled) return {parent, pos};
    return hitWithin(control->children, pos - control->rect.topLeft(), control);
  }
  return {parent, pos};
}

}  // namespace

HitResult hitTest(const std::vector<LiveControl*>& topmostFirst, QPoint windowPos) {
  return hitWithin(topmostFirst, windowPos, nullptr);
}

}  // namespace korvane::model
