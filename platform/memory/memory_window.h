#pragma once

#include "platform/platform.h"

#include <QIcon>
#include <QImage>
#include <QRegion>

#include <optional>

namespace korvane::platform {

class MemoryPlatform;

// A window that lives in memory: it records what the program asked of it
// and paints through its client into an image.
class MemoryWindow final : public NativeWindow {
 public:
  MemoryWindow(MemoryPlatform& platform, const WindowOptions& options, WindowClient* client, bool hiddenOwner);
  ~MemoryWindow() override;

  QRect geometry() const override { return geometry_; }
  void setGeometry(const QRect& rect) override;
  void move(const QPoint& topLeft) override;
  void setShowState(ShowState state) override;
  ShowState showState() const override { return state_; }
  void activate() override;
  void setInputEnabled(bool enabled) override { enabled_ = enabled; }
  bool inputEnabled() const override { return enabled_; }
  void setOutline(const QRegion& region) override { outline_ = region; }
  void setPointer(const PointerShape* shape) override { pointer_ = shape; }
  bool startSystemMove() override;
  void update(const QRect& area) override;
  void repaintNow(const QRect& area) override;

  // What the program asked for.
  const QString& title() const { return title_; }
  NativeWindow* owner() const { return owner_; }
  bool inTaskbar() const { return inTaskbar_; }
  bool hasTaskbarButton() const { return inTaskbar_ && !owner_ && !hiddenOwner_; }
  bool isHiddenOwner() const { return hiddenOwner_; }
  bool hasIcon() const { return hasIcon_; }
  const std::optional<QRegion>& outline() const { return outline_; }
  const PointerShape* pointer() const { return pointer_; }
  int activations() const { return activations_; }
  int paints() const { return paints_; }
  int systemMoves() const { return systemMoves_; }

  // Paints what is pending and returns the window's pixels.
  const QImage& grab();
  // True when a point of the window takes the mouse: inside it and its outline.
  bool takesMouseAt(QPoint pos) const;

  // Input as the window system would deliver it; dropped while input is disabled.
  void deliverMouse(const MouseInput& input);
  void deliverKey(const KeyInput& input);
  void deliverCloseRequest();
  void deliverActivation();

 private:
  void paintArea(const QRect& area);

  MemoryPlatform& platform_;
  WindowClient* client_;
  bool hiddenOwner_;
  QString title_;
  QRect geometry_;
  NativeWindow* owner_;
  bool inTaskbar_;
  bool hasIcon_;
  ShowState state_ = ShowState::Hidden;
  bool enabled_ = true;
  std::optional<QRegion> outline_;
  const PointerShape* pointer_ = nullptr;
  QImage image_;
  QRegion dirty_;
  int activations_ = 0;
  int paints_ = 0;
  int systemMoves_ = 0;
};

}  // namespace korvane::platform
