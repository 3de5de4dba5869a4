// The window's message filter: every mouse and key message meant for the
// window or one of its controls passes here first. The window-level part
// (the move-anywhere drag and Esc) comes first; then the message raises its
// event for the unit it is meant for, and goes on to that unit's kind.
//
// There is no implicit grab: a message goes to the control that holds the
// capture, otherwise to the control under the pointer.

#include "ui/model/live_window.h"
#include "ui/model/runtime.h"

namespace korvane::model {
namespace {

using platform::MouseAction;

constexpr unsigned kCtrlShiftAlt = platform::CtrlModifier | platform::ShiftModifier | platform::AltModifier;

// A dispatch keeps a window that is destroyed meanwhile alive until it ends.
class DispatchScope {
 public:
  explicit DispatchScope(Runtime& runtime) : runtime_(runtime) { runtime_.beginDispatch(); }
  ~DispatchScope() { runtime_.endDispatch(); }
  DispatchScope(const DispatchScope&) = delete;
  DispatchScope& operator=(const DispatchScope&) = delete;

 private:
  Runtime& runtime_;
};

std::optional<Event> mouseEventFor(const platform::MouseInput& input) {
  switch (input.action) {
    case MouseAction::Move: return Event::MouseMoved;
    case MouseAction::Press:
      if (input.button == platform::LeftButton) return Event::LeftButtonPressed;
      break;
    case MouseAction::Release:
      if (input.button == platform::LeftButton) return Event::LeftButtonReleased;
      break;
    case MouseAction::DoubleClick:
      if (input.button == platform::LeftButton) return Event::LeftButtonDoubleClicked;
      break;
  }
  return std::nullopt;
}

}  // namespace

void LiveWindow::mouseInput(const platform::MouseInput& input) {
  if (retired_ || !window_->native().inputEnabled()) return;
  DispatchScope scope(runtime_);
  filterMouse(input);
}

void LiveWindow::filterMouse(const platform::MouseInput& input) {
  if (manualMove_ && continueManualMove(input)) return;

  const HitResult hit = hitTest(topmostFirst_, input.pos);
  const HitResult target = capture_ ? HitResult{capture_, input.pos - windowPosOf(*capture_)} : hit;
  if (!capture_) updatePointer(hit);

  if (input.action == MouseAction::Press && input.button == platform::LeftButton && startDrag(input, target)) {
    return;
  }
  raiseMouseEvent(target, input);
  if (retired_) return;
  deliverToControl(target, input);
  if (!retired_ && !capture_) updatePointer(hitTest(topmostFirst_, input.pos));
}

// A press on the bare face or on a drag surface moves the window, as a drag by
// a caption would; such a press raises no event.
bool LiveWindow::startDrag(const platform::MouseInput& input, const HitResult& target) {
  if (!window_->moveAnywhere()) return false;
  const bool onFace = target.control == nullptr;
  const bool onDragSurface = target.control && isDragSurface(target.control->kind());
  if (!onFace && !onDragSurface) return false;
  auto& native = window_->native();
  if (!native.startSystemMove()) {
    manualMove_ = ManualMove{input.globalPos, native.geometry().topLeft()};
  }
  return true;
}

// Where the platform refuses a system move, the window follows the pointer
// itself until the left button goes up.
bool LiveWindow::continueManualMove(const platform::MouseInput& input) {
  if (input.action == MouseAction::Move && (input.buttons & platform::LeftButton)) {
    window_->native().move(manualMove_->windowStart + (input.globalPos - manualMove_->pointerStart));
    return true;
  }
  manualMove_.reset();
  return input.action == MouseAction::Release && input.button == platform::LeftButton;
}

void LiveWindow::updatePointer(const HitResult& target) {
  const platform::PointerShape* shape = nullptr;
  if (target.control) {
    const Unit* unit = runtime_.store(id_)->find(target.control->id());
    shape = unit && unit->pointer == PointerId::Hand ? runtime_.kinds().handPointer()
                                                     : target.control->ownPointer();
  }
  if (pointerSet_ && shape == pointer_) return;
  pointer_ = shape;
  pointerSet_ = true;
  window_->native().setPointer(shape);
}

void LiveWindow::raiseMouseEvent(const HitResult& target, const platform::MouseInput& input) {
  auto event = mouseEventFor(input);
  if (!event) return;
  runtime_.raiseEvent(id_, unitOf(target), *event,
                      EventArgs{target.local.x(), target.local.y(), input.modifiers, -1});
}

void LiveWindow::deliverToControl(const HitResult& target, const platform::MouseInput& input) {
  if (!target.control) return;
  target.control->mouse(ControlMouse{input.action, target.local, input.button, input.buttons, input.modifiers});
}

void LiveWindow::keyInput(const platform::KeyInput& input) {
  if (retired_ || !window_->native().inputEnabled() || !input.pressed) return;
  DispatchScope scope(runtime_);
  if (input.key == platform::Key::Escape && !(input.modifiers & kCtrlShiftAlt) && window_->escCloses()) {
    runtime_.destroyWindow(id_, true);
    return;
  }
  runtime_.raiseEvent(id_, runtime_.store(id_)->windowUnitId(), Event::KeyPressed,
                      EventArgs{0, 0, input.modifiers, -1});
}

void LiveWindow::closeRequested() {
  if (retired_ || !window_->native().inputEnabled()) return;
  DispatchScope scope(runtime_);
  runtime_.destroyWindow(id_, true);
}

void LiveWindow::activated() {
  if (retired_) return;
  runtime_.windowActivated(id_);
}

}  // namespace korvane::model
