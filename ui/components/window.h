#pragma once

#include "ui/model/kind_registry.h"
#include "ui/model/kind_settings.h"
#include "ui/model/window_control.h"

#include <QImage>

#include <memory>
#include <optional>

namespace korvane::components {

// The skinned top-level window: no caption and no frame, a face picture over
// its whole client area, a start state, and an outline cut from a picture.
class SkinnedWindow final : public model::WindowControl {
 public:
  // Null when the platform cannot create the window.
  static std::unique_ptr<model::LiveControl> create(const model::CreateContext& context);

  SkinnedWindow(const model::CreateContext& context, std::unique_ptr<platform::NativeWindow> native);

  platform::NativeWindow& native() override { return *native_; }
  void paintFace(QPainter& painter, const QRect& area) override;
  void showInStartState() override;
  bool setOutlineFromPicture(const model::ByteSet& picture, std::optional<model::Colour> transparent) override;
  bool escCloses() const override { return settings_.escCloses; }
  bool moveAnywhere() const override { return settings_.moveAnywhere; }

  model::Value get(model::Role role) const override;
  void set(model::Role role, const model::Value& value) override;

  // Where a window of this size is placed when centred on the screen; the
  // result is not clamped, so it is negative on a smaller screen.
  static QPoint centredPosition(QSize screen, QSize window);

 private:
  void applyState(model::WindowState state);
  void restoreNormal();
  void paintLaidOutFace(QPainter& painter, const QRect& area, const QImage& face);

  model::WindowSettings settings_;
  std::unique_ptr<platform::NativeWindow> native_;
  platform::Platform& platform_;
  std::optional<QImage> face_;
  bool faceDecoded_ = false;
  model::WindowState storedState_;
  std::optional<QRect> normalGeometry_;  // while maximised
};

}  // namespace korvane::components
