#pragma once

#include "platform/memory/memory_window.h"
#include "platform/platform.h"

#include <deque>
#include <functional>
#include <vector>

namespace korvane::platform {

// The window system in memory, for tests and benchmarks. Posted tasks and
// injected input share one queue; loops take from it. A nested loop that
// finds the queue empty asks the idle handler for more, and throws when none
// comes, since nothing else could ever end it.
class MemoryPlatform final : public Platform {
 public:
  explicit MemoryPlatform(QSize screen = QSize(1024, 768));
  ~MemoryPlatform() override;

  std::unique_ptr<NativeWindow> createWindow(const WindowOptions& options, WindowClient& client) override;
  std::unique_ptr<NativeWindow> createHiddenOwner() override;
  QSize primaryScreenSize() const override { return screen_; }
  void postTask(std::function<void()> task) override { queue_.push_back(std::move(task)); }
  std::unique_ptr<EventLoop> createLoop() override;
  bool openUrl(const QString& url) override;
  bool openInHtmlBrowser(const QString& url) override;

  // Settings of the simulated desktop.
  void setScreenSize(QSize size) { screen_ = size; }
  void setSystemMoveAllowed(bool allowed) { systemMoveAllowed_ = allowed; }
  bool systemMoveAllowed() const { return systemMoveAllowed_; }
  void setOpenUrlSucceeds(bool succeeds) { openUrlSucceeds_ = succeeds; }
  void setHtmlBrowserSucceeds(bool succeeds) { htmlBrowserSucceeds_ = succeeds; }
  void setIdleHandler(std::function<bool()> handler) { idle_ = std::move(handler); }
  void setWindowCreationFails(bool fails) { creationFails_ = fails; }

  // What the program asked for.
  const std::vector<QString>& openedUrls() const { return openedUrls_; }
  const std::vector<QString>& browserUrls() const { return browserUrls_; }
  // Windows that exist now, in creation order, without the hidden owner.
  std::vector<MemoryWindow*> windows() const;
  // The shown window that takes the mouse at a point of the screen, topmost first.
  MemoryWindow* windowAt(QPoint global) const;
  MemoryWindow* activeWindow() const { return active_; }

  // Input is queued; processEvents() (or a running loop) delivers it.
  void post(std::function<void()> task) { postTask(std::move(task)); }
  void mouse(MemoryWindow& window, MouseAction action, QPoint pos, unsigned button = LeftButton,
             unsigned modifiers = NoModifier);
  void moveTo(MemoryWindow& window, QPoint pos);
  void press(MemoryWindow& window, QPoint pos) { mouse(window, MouseAction::Press, pos); }
  void release(MemoryWindow& window, QPoint pos) { mouse(window, MouseAction::Release, pos); }
  void click(MemoryWindow& window, QPoint pos);
  void doubleClick(MemoryWindow& window, QPoint pos);
  void key(MemoryWindow& window, Key key, unsigned modifiers = NoModifier);
  void requestClose(MemoryWindow& window);
  void activate(MemoryWindow& window);

  // Runs queued work until the queue is empty.
  void processEvents();
  bool queueEmpty() const { return queue_.empty(); }
  bool runNext();
  int loopDepth() const { return loopDepth_; }
  bool lastLoopQuit() const { return lastLoopQuit_; }

  // Used by the windows and loops.
  void windowCreated(MemoryWindow* window);
  void windowDestroyed(MemoryWindow* window);
  void setActive(MemoryWindow* window) { active_ = window; }
  unsigned heldButtons() const { return held_; }
  bool waitForWork();
  void enterLoop() { ++loopDepth_; }
  void leaveLoop(bool quit) {
    --loopDepth_;
    lastLoopQuit_ = quit;
  }

 private:
  QSize screen_;
  bool systemMoveAllowed_ = false;
  bool openUrlSucceeds_ = true;
  bool htmlBrowserSucceeds_ = true;
  bool creationFails_ = false;
  std::function<bool()> idle_;
  std::deque<std::function<void()>> queue_;
  std::vector<MemoryWindow*> windows_;
  std::vector<QString> openedUrls_;
  std::vector<QString> browserUrls_;
  MemoryWindow* active_ = nullptr;
  unsigned held_ = NoButton;
  int loopDepth_ = 0;
  bool lastLoopQuit_ = false;
};

}  // namespace korvane::platform
