#pragma once

#include "ui/model/live_control.h"

#include <QPoint>

#include <vector>

namespace korvane::model {

struct HitResult {
  LiveControl* control = nullptr;  // null: the window's own face
  QPoint local;                    // in the target's client area
  friend bool operator==(const HitResult&, const HitResult&) = default;
};

// Finds the control under a point of the window, the topmost first, skipping
// hidden ones and looking inside containers. A disabled control passes the
// mouse to its parent, as the window system does.
HitResult hitTest(const std::vector<LiveControl*>& topmostFirst, QPoint windowPos);

}  // namespace korvane::model
