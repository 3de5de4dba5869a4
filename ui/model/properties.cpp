// Read property and write property: common roles go to the store and, while
// the window is loaded, to the live control; own roles go to the kind.

#include "ui/model/live_window.h"
#include "ui/model/runtime.h"

namespace korvane::model {
namespace {

std::int32_t* geometryField(Unit& unit, Role role) {
  switch (role) {
    case Role::Left: return &unit.left;
    case Role::Top: return &unit.top;
    case Role::Width: return &unit.width;
    case Role::Height: return &unit.height;
    default: return nullptr;
  }
}

std::int32_t geometryOf(const QRect& rect, Role role) {
  switch (role) {
    case Role::Left: return rect.left();
    case Role::Top: return rect.top();
    case Role::Width: return rect.width();
    case Role::Height: return rect.height();
    default: return 0;
  }
}

QRect rectOf(const Unit& unit) { return QRect(unit.left, unit.top, unit.width, unit.height); }

Value storedValue(const Unit& unit, Role role) {
  switch (role) {
    case Role::Left: return unit.left;
    case Role::Top: return unit.top;
    case Role::Width: return unit.width;
    case Role::Height: return unit.height;
    case Role::Tag: return unit.tag;
    case Role::Visible: return unit.visible;
    case Role::Disabled: return unit.disabled;
    default: return emptyValueOf(valueTypeOf(role));
  }
}

Value liveWindowValue(const LiveWindow& live, Role role) {
  const auto& native = const_cast<LiveWindow&>(live).window().native();
  switch (role) {
    case Role::Visible: return live.isVisible();
    case Role::Disabled: return !native.inputEnabled();
    default: return geometryOf(native.geometry(), role);
  }
}

Value liveControlValue(const LiveWindow& live, const LiveControl& control, Role role) {
  switch (role) {
    case Role::Visible: return live.actuallyShown(control);
    case Role::Disabled: return control.disabled;
    default: return geometryOf(control.rect, role);
  }
}

}  // namespace

Value Runtime::readProperty(WindowId window, UnitId unit, Role role) const {
  const Entry* e = entry(window);
  const Unit* u = e ? e->store.find(unit) : nullptr;
  if (!u) return emptyValueOf(valueTypeOf(role));

  const bool isWindowUnit = unit == e->store.windowUnitId();
  const LiveWindow* live = e->live.get();
  if (!isCommonRole(role)) {
    if (!live) return emptyValueOf(valueTypeOf(role));
    const LiveControl* c = isWindowUnit ? &const_cast<LiveWindow*>(live)->window() : live->control(unit);
    return c ? c->get(role) : emptyValueOf(valueTypeOf(role));
  }
  if (role == Role::Tag || !live) return storedValue(*u, role);
  if (isWindowUnit) return liveWindowValue(*live, role);
  const LiveControl* c = live->control(unit);
  return c ? liveControlValue(*live, *c, role) : storedValue(*u, role);
}

void Runtime::writeProperty(WindowId window, UnitId unit, Role role, const Value& value) {
  Entry* e = entry(window);
  Unit* u = e ? e->store.find(unit) : nullptr;
  if (!u) return;

  const bool isWindowUnit = unit == e->store.windowUnitId();
  LiveWindow* live = e->live.get();
  if (!isCommonRole(role)) {
    if (!live) return;
    LiveControl* c = isWindowUnit ? &live->window() : live->control(unit);
    if (c) c->set(role, value);
    return;
  }

  if (role == Role::Tag) {
    if (auto text = std::get_if<QString>(&value)) u->tag = *text;
    return;
  }
  if (std::int32_t* field = geometryField(*u, role)) {
    auto number = asInteger(value);
    if (!number) return;
    *field = *number;
    if (!live) return;
    if (isWindowUnit) {
      QRect geometry = live->window().native().geometry();
      if (role == Role::Left) geometry.moveLeft(*number);
      if (role == Role::Top) geometry.moveTop(*number);
      if (role == Role::Width) geometry.setWidth(*number);
      if (role == Role::Height) geometry.setHeight(*number);
      live->window().native().setGeometry(geometry);
    } else if (LiveControl* c = live->control(unit)) {
      live->setRect(*c, rectOf(*u));
    }
    return;
  }

  auto flag = asLogical(value);
  if (!flag) return;
  if (role == Role::Visible) {
    u->visible = *flag;
    if (!live) return;
    if (isWindowUnit) {
      live->setWindowVisible(*flag);
    } else if (LiveControl* c = live->control(unit)) {
      live->setShown(*c, *flag && !live->onHiddenPage(*c));
    }
  } else if (role == Role::Disabled) {
    u->disabled = *flag;
    if (!live) return;
    if (isWindowUnit) {
      live->window().native().setInputEnabled(!*flag);
    } else if (LiveControl* c = live->control(unit)) {
      live->setDisabled(*c, *flag);
    }
  }
}

}  // namespace korvane::model
