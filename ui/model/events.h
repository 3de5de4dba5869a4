#pragma once

#include <cstdint>
#include <string>

namespace korvane::model {

enum class Event {
  Created,             // window: during load, before the first show
  Moved, Resized,      // window: reported after created
  Clicked,             // PicBtn
  LeftButtonPressed,
  LeftButtonReleased,
  LeftButtonDoubleClicked,
  MouseMoved,
  KeyPressed,
  PageAboutToChange,   // PageControl, before the change
  PageChanged,         // PageControl, after the new page's controls show
};

struct EventArgs {
  int x = 0, y = 0;             // in the unit's client area
  unsigned modifiers = 0;       // 1 Ctrl, 2 Shift, 4 Alt
  int page = -1;                // page events
};

struct EventBinding {
  Event event;
  std::string handler;  // a name in the handler registry
  friend bool operator==(const EventBinding&, const EventBinding&) = default;
};

}  // namespace korvane::model
