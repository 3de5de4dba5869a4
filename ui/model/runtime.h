#pragma once

// The control model at work: the control stores of the window definitions,
// read and write property, loading and destroying windows, the event loop,
// show page and the raising of events to the handlers bound by data.

#include "platform/platform.h"
#include "ui/model/control_store.h"
#include "ui/model/handler_registry.h"
#include "ui/model/kind_registry.h"
#include "ui/model/value.h"

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace korvane::model {

class LiveWindow;

class Runtime {
 public:
  Runtime(platform::Platform& platform, const KindRegistry& kinds, const HandlerRegistry& handlers,
          std::vector<WindowDefinition> definitions);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // Unknown windows or units, and own roles of a unit whose window is not
  // loaded, read as the role's empty value and ignore writes.
  Value readProperty(WindowId window, UnitId unit, Role role) const;
  void writeProperty(WindowId window, UnitId unit, Role role, const Value& value);

  // True when the window is loaded or was already open.
  bool loadWindow(WindowId window, std::optional<WindowId> parent, bool modal);
  void destroyWindow(WindowId window, bool atOnce = false);
  void runEventLoop();
  bool setOutlineFromPicture(WindowId window, const ByteSet& picture,
                             std::optional<Colour> transparent = std::nullopt);

  void raiseEvent(WindowId window, UnitId unit, Event event, const EventArgs& args);
  void showPage(WindowId window, UnitId container);

  bool isOpen(WindowId window) const;
  bool isPendingDestruction(WindowId window) const;
  bool eventLoopEntered() const { return loopEntered_; }
  const ControlStore* store(WindowId window) const;
  LiveWindow* liveWindow(WindowId window) const;
  platform::Platform& platform() const { return platform_; }
  const KindRegistry& kinds() const { return kinds_; }

  // A live window's input dispatch runs between these, so that a window
  // destroyed meanwhile is freed only once no dispatch can still use it.
  void beginDispatch() { ++dispatchDepth_; }
  void endDispatch();
  // Activating a window that a modal window disabled activates the modal one.
  void windowActivated(WindowId window);

 private:
  struct Entry {
    explicit Entry(ControlStore definitionStore);
    ~Entry();
    ControlStore store;
    std::unique_ptr<LiveWindow> live;
    bool pending = false;
    bool modal = false;
    std::vector<std::pair<WindowId, bool>> disabledByModal;  // with the enabled state before
    platform::EventLoop* modalLoop = nullptr;  // owned by the load that runs it
    unsigned generation = 0;
  };

  Entry* entry(WindowId window);
  const Entry* entry(WindowId window) const;
  bool build(Entry& e, std::optional<WindowId> parent, bool modal);
  void carryOutDestruction(Entry& e);
  void disableOthersFor(Entry& modal);
  bool anyOpen() const;
  void scheduleFree();

  platform::Platform& platform_;
  const KindRegistry& kinds_;
  const HandlerRegistry& handlers_;
  std::map<WindowId, Entry> entries_;
  std::unique_ptr<platform::NativeWindow> hiddenOwner_;
  std::unique_ptr<platform::EventLoop> mainLoop_;
  bool loopEntered_ = false;
  int dispatchDepth_ = 0;
  std::vector<std::unique_ptr<LiveWindow>> retired_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);  // guards posted tasks
};

}  // namespace korvane::model
