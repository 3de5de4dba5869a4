#include "platform/qt/qt_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

#include <xcb/xcb.h>

namespace korvane::platform {
namespace {

unsigned buttonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return LeftButton;
    case Qt::RightButton: return RightButton;
    case Qt::MiddleButton: return MiddleButton;
    default: return NoButton;
  }
}

unsigned buttonsOf(Qt::MouseButtons buttons) {
  unsigned result = NoButton;
  if (buttons & Qt::LeftButton) result |= LeftButton;
  if (buttons & Qt::RightButton) result |= RightButton;
  if (buttons & Qt::MiddleButton) result |= MiddleButton;
  return result;
}

unsigned modifiersOf(Qt::KeyboardModifiers modifiers) {
  unsigned result = NoModifier;
  if (modifiers & Qt::ControlModifier) result |= CtrlModifier;
  if (modifiers & Qt::ShiftModifier) result |= ShiftModifier;
  if (modifiers & Qt::AltModifier) result |= AltModifier;
  return result;
}

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
  auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  if (!reply) return XCB_ATOM_NONE;
  xcb_atom_t atom = reply->atom;
  free(reply);
  return atom;
}

// Windows differ in how far the pointer may wander between the two presses
// of a double-click; four pixels is the classic allowance.
constexpr int kDoubleClickDistance = 4;

}  // namespace

QtWindow::QtWindow(const WindowOptions& options, WindowClient* client, QWindow* owner)
    : client_(client),
      doubleClicks_(static_cast<std::uint64_t>(QGuiApplication::styleHints()->mouseDoubleClickInterval()),
                    kDoubleClickDistance) {
  Qt::WindowFlags flags = Qt::FramelessWindowHint;
  // Qt marks only dialog-like windows as transient for their owner.
  flags |= owner ? Qt::Dialog : Qt::Window;
  setFlags(flags);
  if (owner) setTransientParent(owner);
  setTitle(options.title);
  if (options.icon && !options.icon->isNull()) setIcon(*options.icon);
  QRasterWindow::setGeometry(options.geometry);
  create();
  if (owner || !options.inTaskbar) skipTaskbar();
  if (client_) {
    connect(this, &QWindow::activeChanged, this, [this] {
      if (isActive() && client_) client_->activated();
    });
  }
}

QtWindow::~QtWindow() = default;

// Qt never asks for this itself, so the state is added before the first show.
void QtWindow::skipTaskbar() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11) return;
  xcb_connection_t* connection = x11->connection();
  xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
  xcb_atom_t skip = internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
  if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE) return;
  xcb_change_property(connection, XCB_PROP_MODE_APPEND, static_cast<xcb_window_t>(winId()), state,
                      XCB_ATOM_ATOM, 32, 1, &skip);
  xcb_flush(connection);
}

void QtWindow::setShowState(ShowState state) {
  switch (state) {
    case ShowState::Hidden: hide(); break;
    case ShowState::Normal: showNormal(); break;
    case ShowState::Minimized: showMinimized(); break;
    case ShowState::Maximized: showMaximized(); break;
  }
}

ShowState QtWindow::showState() const {
  if (!isVisible()) return ShowState::Hidden;
  if (windowStates() & Qt::WindowMinimized) return ShowState::Minimized;
  if (windowStates() & Qt::WindowMaximized) return ShowState::Maximized;
  return ShowState::Normal;
}

void QtWindow::activate() {
  raise();
  requestActivate();
}

void QtWindow::setPointer(const PointerShape* shape) {
  if (!shape) {
    setCursor(Qt::ArrowCursor);
    return;
  }
  auto found = cursors_.find(shape);
  if (found == cursors_.end()) {
    QCursor cursor(QPixmap::fromImage(shape->image), shape->hotSpot.x(), shape->hotSpot.y());
    found = cursors_.emplace(shape, cursor).first;
  }
  setCursor(found->second);
}

void QtWindow::repaintNow(const QRect& area) {
  QRasterWindow::update(area);
  QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
}

void QtWindow::paintEvent(QPaintEvent* event) {
  if (!client_) return;
  QPainter painter(this);
  painter.setClipRegion(event->region());
  client_->paint(painter, event->rect());
}

void QtWindow::deliverMouse(MouseAction action, QMouseEvent* event) {
  event->accept();
  if (!client_ || !inputEnabled_) return;
  MouseInput input;
  input.action = action;
  input.pos = event->position().toPoint();
  input.globalPos = event->globalPosition().toPoint();
  input.button = action == MouseAction::Move ? NoButton : buttonOf(event->button());
  input.buttons = buttonsOf(event->buttons());
  input.modifiers = modifiersOf(event->modifiers());
  client_->mouseInput(input);
}

// The second press of a double-click arrives as a double-click alone; Qt's
// own double-click message, which follows a press, is ignored.
void QtWindow::mousePressEvent(QMouseEvent* event) {
  const bool isDouble =
      doubleClicks_.isDoubleClick(buttonOf(event->button()), event->position().toPoint(), event->timestamp());
  deliverMouse(isDouble ? MouseAction::DoubleClick : MouseAction::Press, event);
}

void QtWindow::mouseReleaseEvent(QMouseEvent* event) { deliverMouse(MouseAction::Release, event); }

void QtWindow::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void QtWindow::mouseMoveEvent(QMouseEvent* event) { deliverMouse(MouseAction::Move, event); }

// Qt sends no moves once the pointer has left; a move outside the window
// lets hover states end as they would under a capture.
bool QtWindow::event(QEvent* event) {
  if (event->type() == QEvent::Leave) pointerLeft();
  return QRasterWindow::event(event);
}

void QtWindow::pointerLeft() {
  if (!client_ || !inputEnabled_) return;
  MouseInput input;
  input.action = MouseAction::Move;
  input.globalPos = QCursor::pos();
  input.pos = mapFromGlobal(input.globalPos);
  if (QRect(QPoint(0, 0), size()).contains(input.pos)) input.pos = QPoint(-1, -1);
  input.buttons = buttonsOf(QGuiApplication::mouseButtons());
  input.modifiers = modifiersOf(QGuiApplication::keyboardModifiers());
  client_->mouseInput(input);
}

void QtWindow::keyPressEvent(QKeyEvent* event) {
  event->accept();
  if (!client_ || !inputEnabled_) return;
  KeyInput input;
  input.key = event->key() == Qt::Key_Escape ? Key::Escape : Key::Other;
  input.pressed = true;
  input.modifiers = modifiersOf(event->modifiers());
  client_->keyInput(input);
}

// The model decides whether and how the window goes away.
void QtWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (client_ && inputEnabled_) client_->closeRequested();
}

}  // namespace korvane::platform
