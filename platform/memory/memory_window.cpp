#include "platform/memory/memory_window.h"

#include "platform/memory/memory_platform.h"

#include <QPainter>

namespace korvane::platform {

MemoryWindow::MemoryWindow(MemoryPlatform& platform, const WindowOptions& options, WindowClient* client,
                           bool hiddenOwner)
    : platform_(platform),
      client_(client),
      hiddenOwner_(hiddenOwner),
      title_(options.title),
      geometry_(options.geometry),
      owner_(options.owner),
      inTaskbar_(options.inTaskbar),
      hasIcon_(options.icon && !options.icon->isNull()) {
  platform_.windowCreated(this);
}

MemoryWindow::~MemoryWindow() { platform_.windowDestroyed(this); }

void MemoryWindow::setGeometry(const QRect& rect) {
  if (rect.size() != geometry_.size()) dirty_ = QRegion(QRect(QPoint(0, 0), rect.size()));
  geometry_ = rect;
}

void MemoryWindow::move(const QPoint& topLeft) { geometry_.moveTopLeft(topLeft); }

void MemoryWindow::setShowState(ShowState state) {
  if (state_ == ShowState::Hidden && state != ShowState::Hidden) {
    dirty_ = QRegion(QRect(QPoint(0, 0), geometry_.size()));
    if (state == ShowState::Normal || state == ShowState::Maximized) platform_.setActive(this);
  }
  if (state == ShowState::Hidden && platform_.activeWindow() == this) platform_.setActive(nullptr);
  state_ = state;
}

void MemoryWindow::activate() {
  ++activations_;
  platform_.setActive(this);
}

bool MemoryWindow::startSystemMove() {
  ++systemMoves_;
  return platform_.systemMoveAllowed();
}

void MemoryWindow::update(const QRect& area) { dirty_ += area & QRect(QPoint(0, 0), geometry_.size()); }

void MemoryWindow::repaintNow(const QRect& area) {
  update(area);
  grab();
}

const QImage& MemoryWindow::grab() {
  if (image_.size() != geometry_.size()) {
    image_ = QImage(geometry_.size(), QImage::Format_RGB32);
    image_.fill(Qt::white);
    dirty_ = QRegion(image_.rect());
  }
  if (!dirty_.isEmpty() && client_ && state_ != ShowState::Hidden) {
    paintArea(dirty_.boundingRect());
    dirty_ = QRegion();
  }
  return image_;
}

void MemoryWindow::paintArea(const QRect& area) {
  QPainter painter(&image_);
  painter.setClipRect(area);
  client_->paint(painter, area);
  ++paints_;
}

bool MemoryWindow::takesMouseAt(QPoint pos) const {
  if (!QRect(QPoint(0, 0), geometry_.size()).contains(pos)) return false;
  return !outline_ || outline_->contains(pos);
}

void MemoryWindow::deliverMouse(const MouseInput& input) {
  if (!client_ || !enabled_ || state_ == ShowState::Hidden) return;
  // The window system keeps sending a pressed button's messages to the
  // window where it went down.
  const bool grabbed = (platform_.heldButtons() & ~input.button) != NoButton ||
                       (input.action == MouseAction::Release && platform_.heldButtons() != NoButton);
  if (input.action != MouseAction::Move && !grabbed && !takesMouseAt(input.pos)) return;
  client_->mouseInput(input);
}

void MemoryWindow::deliverKey(const KeyInput& input) {
  if (client_ && enabled_ && state_ != ShowState::Hidden) client_->keyInput(input);
}

void MemoryWindow::deliverCloseRequest() {
  if (client_ && enabled_ && state_ != ShowState::Hidden) client_->closeRequested();
}

void MemoryWindow::deliverActivation() {
  if (!client_ || state_ == ShowState::Hidden) return;
  platform_.setActive(this);
  client_->activated();
}

}  // namespace korvane::platform
