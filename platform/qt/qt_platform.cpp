#include "platform/qt/qt_platform.h"

#include "platform/qt/html_browser.h"
#include "platform/qt/qt_window.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>

namespace korvane::platform {
namespace {

class QtEventLoop final : public EventLoop {
 public:
  void run() override {
    if (!quit_) loop_.exec();
  }
  // A quit that comes before the loop runs must still end it.
  void quit() override {
    quit_ = true;
    loop_.quit();
  }

 private:
  QEventLoop loop_;
  bool quit_ = false;
};

}  // namespace

QtPlatform::QtPlatform() {
  // Windows end through the model; Qt must not end loops on its own.
  QGuiApplication::setQuitOnLastWindowClosed(false);
}

std::unique_ptr<NativeWindow> QtPlatform::createWindow(const WindowOptions& options, WindowClient& client) {
  auto* owner = dynamic_cast<QtWindow*>(options.owner);
  return std::make_unique<QtWindow>(options, &client, owner);
}

std::unique_ptr<NativeWindow> QtPlatform::createHiddenOwner() {
  WindowOptions options;
  options.geometry = QRect(0, 0, 1, 1);
  options.inTaskbar = false;
  return std::make_unique<QtWindow>(options, nullptr, nullptr);
}

QSize QtPlatform::primaryScreenSize() const {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize();
}

void QtPlatform::postTask(std::function<void()> task) {
  QMetaObject::invokeMethod(qApp, std::move(task), Qt::QueuedConnection);
}

std::unique_ptr<EventLoop> QtPlatform::createLoop() { return std::make_unique<QtEventLoop>(); }

// The URL goes to the opener as one argument, exactly as given: no shell, and
// no QUrl, which would change the case of the host.
bool QtPlatform::openUrl(const QString& url) { return QProcess::startDetached("xdg-open", {url}); }

bool QtPlatform::openInHtmlBrowser(const QString& url) {
  BrowserCommand command = htmlBrowserCommand(url);
  return QProcess::startDetached(command.program, command.arguments);
}

}  // namespace korvane::platform
