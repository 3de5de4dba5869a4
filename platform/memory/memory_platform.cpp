#include "platform/memory/memory_platform.h"

#include <algorithm>
#include <stdexcept>

namespace korvane::platform {
namespace {

class MemoryLoop final : public EventLoop {
 public:
  explicit MemoryLoop(MemoryPlatform& platform) : platform_(platform) {}

  void run() override {
    if (quit_) return;
    platform_.enterLoop();
    try {
      while (!quit_) {
        if (!platform_.runNext() && !platform_.waitForWork()) {
          // An outermost loop with nothing to do stops, as if the user left.
          if (platform_.loopDepth() > 1) throw std::logic_error("a nested loop ran out of events");
          break;
        }
      }
    } catch (...) {
      platform_.leaveLoop(false);
      throw;
    }
    platform_.leaveLoop(quit_);
  }

  void quit() override { quit_ = true; }

 private:
  MemoryPlatform& platform_;
  bool quit_ = false;
};

}  // namespace

MemoryPlatform::MemoryPlatform(QSize screen) : screen_(screen) {}

MemoryPlatform::~MemoryPlatform() = default;

std::unique_ptr<NativeWindow> MemoryPlatform::createWindow(const WindowOptions& options, WindowClient& client) {
  if (creationFails_) return nullptr;
  return std::make_unique<MemoryWindow>(*this, options, &client, false);
}

std::unique_ptr<NativeWindow> MemoryPlatform::createHiddenOwner() {
  WindowOptions options;
  options.inTaskbar = false;
  return std::make_unique<MemoryWindow>(*this, options, nullptr, true);
}

std::unique_ptr<EventLoop> MemoryPlatform::createLoop() { return std::make_unique<MemoryLoop>(*this); }

bool MemoryPlatform::openUrl(const QString& url) {
  openedUrls_.push_back(url);
  return openUrlSucceeds_;
}

bool MemoryPlatform::openInHtmlBrowser(const QString& url) {
  browserUrls_.push_back(url);
  return htmlBrowserSucceeds_;
}

std::vector<MemoryWindow*> MemoryPlatform::windows() const {
  std::vector<MemoryWindow*> result;
  for (MemoryWindow* window : windows_) {
    if (!window->isHiddenOwner()) result.push_back(window);
  }
  return result;
}

MemoryWindow* MemoryPlatform::windowAt(QPoint global) const {
  // The active window lies on top; the others in reverse creation order.
  if (active_ && active_->showState() == ShowState::Normal &&
      active_->takesMouseAt(global - active_->geometry().topLeft())) {
    return active_;
  }
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    MemoryWindow* window = *it;
    if (window->showState() != ShowState::Normal && window->showState() != ShowState::Maximized) continue;
    if (window->takesMouseAt(global - window->geometry().topLeft())) return window;
  }
  return nullptr;
}

void MemoryPlatform::windowCreated(MemoryWindow* window) { windows_.push_back(window); }

void MemoryPlatform::windowDestroyed(MemoryWindow* window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
  if (active_ == window) active_ = nullptr;
}

void MemoryPlatform::mouse(MemoryWindow& window, MouseAction action, QPoint pos, unsigned button,
                           unsigned modifiers) {
  MemoryWindow* target = &window;
  post([this, target, action, pos, button, modifiers] {
    if (std::find(windows_.begin(), windows_.end(), target) == windows_.end()) return;
    MouseInput input;
    input.action = action;
    input.pos = pos;
    input.globalPos = target->geometry().topLeft() + pos;
    input.button = action == MouseAction::Move ? NoButton : button;
    if (action == MouseAction::Press || action == MouseAction::DoubleClick) held_ |= button;
    if (action == MouseAction::Release) held_ &= ~button;
    input.buttons = held_;
    input.modifiers = modifiers;
    target->deliverMouse(input);
  });
}

void MemoryPlatform::moveTo(MemoryWindow& window, QPoint pos) { mouse(window, MouseAction::Move, pos, NoButton); }

void MemoryPlatform::click(MemoryWindow& window, QPoint pos) {
  moveTo(window, pos);
  press(window, pos);
  release(window, pos);
}

void MemoryPlatform::doubleClick(MemoryWindow& window, QPoint pos) {
  click(window, pos);
  mouse(window, MouseAction::DoubleClick, pos);
  release(window, pos);
}

void MemoryPlatform::key(MemoryWindow& window, Key key, unsigned modifiers) {
  MemoryWindow* target = &window;
  post([this, target, key, modifiers] {
    if (std::find(windows_.begin(), windows_.end(), target) == windows_.end()) return;
    target->deliverKey(KeyInput{key, true, modifiers});
  });
}

void MemoryPlatform::requestClose(MemoryWindow& window) {
  MemoryWindow* target = &window;
  post([this, target] {
    if (std::find(windows_.begin(), windows_.end(), target) != windows_.end()) target->deliverCloseRequest();
  });
}

void MemoryPlatform::activate(MemoryWindow& window) {
  MemoryWindow* target = &window;
  post([this, target] {
    if (std::find(windows_.begin(), windows_.end(), target) != windows_.end()) target->deliverActivation();
  });
}

bool MemoryPlatform::runNext() {
  if (queue_.empty()) return false;
  auto task = std::move(queue_.front());
  queue_.pop_front();
  task();
  return true;
}

bool MemoryPlatform::waitForWork() { return idle_ && idle_() && !queue_.empty(); }

void MemoryPlatform::processEvents() {
  while (runNext()) {
  }
}

}  // namespace korvane::platform
