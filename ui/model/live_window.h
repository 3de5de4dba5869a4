#pragma once

// A loaded window: its window control, its controls as a tree, painting in
// stacking order, and the message filter that turns input into events.

#include "platform/platform.h"
#include "ui/model/control_store.h"
#include "ui/model/hit_test.h"
#include "ui/model/live_control.h"
#include "ui/model/window_control.h"

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace korvane::model {

class Runtime;

class LiveWindow final : public platform::WindowClient, public ControlHost {
 public:
  LiveWindow(Runtime& runtime, WindowId id);
  ~LiveWindow() override;

  // Creates the window and its controls from the store, hidden, stacked in
  // unit order, with the first page's controls shown. False on failure.
  bool build(const ControlStore& store, platform::NativeWindow* owner);

  WindowId id() const { return id_; }
  WindowControl& window() { return *window_; }
  const WindowControl& window() const { return *window_; }
  LiveControl* control(UnitId unit) const;
  const std::vector<LiveControl*>& topmostFirst() const { return topmostFirst_; }

  // Common properties applied to a live control.
  void setShown(LiveControl& control, bool shown);
  void setRect(LiveControl& control, const QRect& rect);
  void setDisabled(LiveControl& control, bool disabled);
  bool actuallyShown(const LiveControl& control) const;
  bool isVisible() const;
  void setWindowVisible(bool visible);
  // True for a control on a page of its container that is not current.
  bool onHiddenPage(const LiveControl& control) const;

  // Shows the controls of a container's current page whose visible setting
  // is set, and hides those of its other pages.
  void showPage(const LiveControl& container, const ControlStore& store);

  // The window goes away on screen at once; the object is freed later.
  void retire();

  // platform::WindowClient
  void paint(QPainter& painter, const QRect& area) override;
  void mouseInput(const platform::MouseInput& input) override;
  void keyInput(const platform::KeyInput& input) override;
  void closeRequested() override;
  void activated() override;

  // ControlHost
  void repaint(const LiveControl& control) override;
  void setCapture(LiveControl& control) override;
  void releaseCapture(const LiveControl& control) override;
  bool hasCapture(const LiveControl& control) const override { return capture_ == &control; }
  bool isTopmostAt(const LiveControl& control, QPoint local) const override;
  void raise(const LiveControl& control, Event event, const EventArgs& args) override;
  void pageChanged(const LiveControl& container) override;
  platform::Platform& platform() override;

  LiveControl* captureHolder() const { return capture_; }

 private:
  struct ManualMove {
    QPoint pointerStart;
    QPoint windowStart;
  };

  QPoint windowPosOf(const LiveControl& control) const;
  QRect visibleAreaOf(const LiveControl& control) const;
  void paintChildren(QPainter& painter, const std::vector<LiveControl*>& topmostFirst, QPoint origin,
                     const QRect& clip);
  void filterMouse(const platform::MouseInput& input);
  bool startDrag(const platform::MouseInput& input, const HitResult& target);
  bool continueManualMove(const platform::MouseInput& input);
  void updatePointer(const HitResult& target);
  void raiseMouseEvent(const HitResult& target, const platform::MouseInput& input);
  void deliverToControl(const HitResult& target, const platform::MouseInput& input);
  UnitId unitOf(const HitResult& target) const;

  Runtime& runtime_;
  WindowId id_;
  std::unique_ptr<WindowControl> window_;
  std::vector<std::unique_ptr<LiveControl>> controls_;  // unit order, without the window's own unit
  std::vector<LiveControl*> topmostFirst_;
  std::unordered_map<UnitId, int> pageOfControl_;
  LiveControl* capture_ = nullptr;
  bool retired_ = false;
  std::optional<ManualMove> manualMove_;
  const platform::PointerShape* pointer_ = nullptr;
  bool pointerSet_ = false;
};

}  // namespace korvane::model
