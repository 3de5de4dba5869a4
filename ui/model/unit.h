#pragma once

#include "ui/model/events.h"
#include "ui/model/ids.h"
#include "ui/model/kind.h"
#include "ui/model/kind_settings.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace korvane::model {

enum class PointerId : std::int32_t { Default = 0, Hand = 32649 };

// One window or control of a window definition, with its common settings in
// their fixed order, then its kind settings.
struct Unit {
  UnitId id = 0;
  Kind kind = Kind::Window;
  QString name;
  QString remark;
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  std::optional<UnitId> parent;    // none: lies directly on its window
  std::vector<UnitId> pageList;    // page containers only; a 0 separates pages
  PointerId pointer = PointerId::Default;
  QString tag;
  bool visible = true;
  bool disabled = false;
  bool tabStop = false;
  std::int32_t tabOrder = 0;
  std::vector<EventBinding> bindings;
  KindSettings settings;
};

// A window's own unit first, then its controls, in unit order.
struct WindowDefinition {
  WindowId windowId = 0;
  std::vector<Unit> units;
};

// Splits a page list at its 0 entries into the controls of each page.
std::vector<std::vector<UnitId>> pagesOf(const std::vector<UnitId>& pageList);

}  // namespace korvane::model
