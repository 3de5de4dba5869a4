#pragma once

// The window system as this program needs it. Two backends implement it:
// platform/qt (real windows on X11) and platform/memory (tests and benchmarks).
// Nothing here knows about controls: a native window is a top-level surface
// that asks its client to paint and hands it input.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QIcon;

namespace korvane::platform {

enum class MouseAction { Move, Press, Release, DoubleClick };

// Mouse buttons and keyboard modifiers use small bit sets of our own, so that
// neither backend leaks its toolkit's values into the model.
enum MouseButton : unsigned { NoButton = 0, LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum Modifier : unsigned { NoModifier = 0, CtrlModifier = 1, ShiftModifier = 2, AltModifier = 4 };

struct MouseInput {
  MouseAction action = MouseAction::Move;
  QPoint pos;          // in window coordinates
  QPoint globalPos;    // on the screen
  unsigned button = NoButton;   // the button that changed (press, release, double-click)
  unsigned buttons = NoButton;  // buttons held after the change
  unsigned modifiers = NoModifier;
};

enum class Key { Escape, Other };

struct KeyInput {
  Key key = Key::Other;
  bool pressed = true;
  unsigned modifiers = NoModifier;
};

// A two-colour pointer bitmap with its hot spot. A null pointer shape is the
// platform's arrow.
struct PointerShape {
  QString name;     // for tests and diagnostics
  QImage image;     // ARGB32: opaque pixels are drawn, transparent ones are not
  QPoint hotSpot;
};

enum class ShowState { Hidden, Normal, Minimized, Maximized };

class WindowClient {
 public:
  virtual ~WindowClient() = default;
  // Paint the given area in window coordinates; the painter is clipped to it.
  virtual void paint(QPainter& painter, const QRect& area) = 0;
  virtual void mouseInput(const MouseInput& input) = 0;
  virtual void keyInput(const KeyInput& input) = 0;
  // The user or the window manager asked the window to close.
  virtual void closeRequested() = 0;
  // The window system made this window the active one.
  virtual void activated() = 0;
};

struct WindowOptions {
  QString title;
  QRect geometry;              // outer geometry on the screen
  class NativeWindow* owner = nullptr;  // an owned window has no taskbar button
  bool inTaskbar = true;
  const QIcon* icon = nullptr;
};

class NativeWindow {
 public:
  virtual ~NativeWindow() = default;

  virtual QRect geometry() const = 0;
  virtual void setGeometry(const QRect& rect) = 0;
  virtual void move(const QPoint& topLeft) = 0;

  virtual void setShowState(ShowState state) = 0;
  virtual ShowState showState() const = 0;
  virtual void activate() = 0;

  virtual void setInputEnabled(bool enabled) = 0;
  virtual bool inputEnabled() const = 0;

  // From now on only the pixels inside the region show and take the mouse.
  virtual void setOutline(const QRegion& region) = 0;
  virtual void setPointer(const PointerShape* shape) = 0;

  // Asks the window manager to move the window with the pointer, as a drag by
  // a caption would. Returns false when the platform refuses.
  virtual bool startSystemMove() = 0;

  // Schedules a repaint of an area, or repaints it before returning.
  virtual void update(const QRect& area) = 0;
  virtual void repaintNow(const QRect& area) = 0;
};

class EventLoop {
 public:
  virtual ~EventLoop() = default;
  virtual void run() = 0;
  virtual void quit() = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Null when the window system cannot create the window.
  virtual std::unique_ptr<NativeWindow> createWindow(const WindowOptions& options,
                                                     WindowClient& client) = 0;
  // A window that is never shown; it owns the modally loaded windows.
  virtual std::unique_ptr<NativeWindow> createHiddenOwner() = 0;

  virtual QSize primaryScreenSize() const = 0;

  virtual void postTask(std::function<void()> task) = 0;
  virtual std::unique_ptr<EventLoop> createLoop() = 0;

  // Hands a URL, exactly as given, to the desktop's opener. True when the
  // opener started.
  virtual bool openUrl(const QString& url) = 0;
  // Starts the browser registered for HTML documents with the URL.
  virtual bool openInHtmlBrowser(const QString& url) = 0;
};

}  // namespace korvane::platform
