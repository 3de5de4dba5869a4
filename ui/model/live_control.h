#pragma once

// A unit's live control while its window is loaded. The model owns the tree
// (place, stacking, shown and disabled flags); a kind adds painting, its own
// properties and its reaction to the mouse.

#include "platform/platform.h"
#include "ui/model/events.h"
#include "ui/model/ids.h"
#include "ui/model/kind.h"
#include "ui/model/value.h"

#include <QRect>

#include <vector>

class QPainter;

namespace korvane::model {

class LiveControl;

// What a window offers the controls on it.
class ControlHost {
 public:
  virtual ~ControlHost() = default;
  // Schedules a repaint of the control's visible area.
  virtual void repaint(const LiveControl& control) = 0;
  // The window owns the mouse capture; a control only asks for it.
  virtual void setCapture(LiveControl& control) = 0;
  virtual void releaseCapture(const LiveControl& control) = 0;
  virtual bool hasCapture(const LiveControl& control) const = 0;
  // True when the control is the topmost one under a point of its own area.
  virtual bool isTopmostAt(const LiveControl& control, QPoint local) const = 0;
  virtual void raise(const LiveControl& control, Event event, const EventArgs& args) = 0;
  // A page container reports that its current page has changed.
  virtual void pageChanged(const LiveControl& container) = 0;
  virtual platform::Platform& platform() = 0;
};

struct ControlMouse {
  platform::MouseAction action = platform::MouseAction::Move;
  QPoint pos;  // in the control's client area
  unsigned button = platform::NoButton;
  unsigned buttons = platform::NoButton;
  unsigned modifiers = platform::NoModifier;
};

class LiveControl {
 public:
  LiveControl(ControlHost& host, UnitId id, Kind kind) : host_(host), id_(id), kind_(kind) {}
  virtual ~LiveControl() = default;
  LiveControl(const LiveControl&) = delete;
  LiveControl& operator=(const LiveControl&) = delete;

  // Paints in the control's own coordinates; the painter is clipped to the
  // part of the control that is to be painted.
  virtual void paint(QPainter&) {}
  virtual void mouse(const ControlMouse&) {}
  // Own properties of the kind. Unknown roles read empty and ignore writes.
  virtual Value get(Role role) const { return emptyValueOf(valueTypeOf(role)); }
  virtual void set(Role, const Value&) {}
  // Painted over whatever lies beneath it instead of hiding it.
  virtual bool transparent() const { return false; }
  // The kind's own pointer; null is the platform's arrow.
  virtual const platform::PointerShape* ownPointer() const { return nullptr; }
  // Page containers answer these; -1 and 0 otherwise.
  virtual int currentPage() const { return -1; }
  virtual int pageCount() const { return 0; }

  UnitId id() const { return id_; }
  Kind kind() const { return kind_; }
  ControlHost& host() const { return host_; }

  // The model keeps these.
  QRect rect;                      // in the parent's client area
  bool shown = false;
  bool disabled = false;
  LiveControl* parent = nullptr;   // null: lies directly on the window
  std::vector<LiveControl*> children;  // the topmost first

  QSize size() const { return rect.size(); }
  QRect clientRect() const { return QRect(QPoint(0, 0), rect.size()); }

 private:
  ControlHost& host_;
  UnitId id_;
  Kind kind_;
};

}  // namespace korvane::model
