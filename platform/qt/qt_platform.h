#pragma once

#include "platform/platform.h"

namespace korvane::platform {

// The window system of the desktop, through Qt. Needs a QGuiApplication.
class QtPlatform final : public Platform {
 public:
  QtPlatform();

  std::unique_ptr<NativeWindow> createWindow(const WindowOptions& options, WindowClient& client) override;
  std::unique_ptr<NativeWindow> createHiddenOwner() override;
  QSize primaryScreenSize() const override;
  void postTask(std::function<void()> task) override;
  std::unique_ptr<EventLoop> createLoop() override;
  bool openUrl(const QString& url) override;
  bool openInHtmlBrowser(const QString& url) override;
};

}  // namespace korvane::platform
