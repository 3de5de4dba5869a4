#pragma once

#include "platform/double_click.h"
#include "platform/platform.h"

#include <QCursor>
#include <QRasterWindow>

#include <map>

namespace korvane::platform {

// A borderless top-level window on the real window system.
class QtWindow final : public QRasterWindow, public NativeWindow {
 public:
  QtWindow(const WindowOptions& options, WindowClient* client, QWindow* owner);
  ~QtWindow() override;

  QRect geometry() const override { return QRasterWindow::geometry(); }
  void setGeometry(const QRect& rect) override { QRasterWindow::setGeometry(rect); }
  void move(const QPoint& topLeft) override { setPosition(topLeft); }
  void setShowState(ShowState state) override;
  ShowState showState() const override;
  void activate() override;
  void setInputEnabled(bool enabled) override { inputEnabled_ = enabled; }
  bool inputEnabled() const override { return inputEnabled_; }
  void setOutline(const QRegion& region) override { setMask(region); }
  void setPointer(const PointerShape* shape) override;
  bool startSystemMove() override { return QRasterWindow::startSystemMove(); }
  void update(const QRect& area) override { QRasterWindow::update(area); }
  void repaintNow(const QRect& area) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void deliverMouse(MouseAction action, QMouseEvent* event);
  void skipTaskbar();
  void pointerLeft();

  WindowClient* client_;
  bool inputEnabled_ = true;
  DoubleClickDetector doubleClicks_;
  std::map<const PointerShape*, QCursor> cursors_;
};

}  // namespace korvane::platform
