#pragma once

#include "ui/model/kind_registry.h"
#include "ui/model/kind_settings.h"

#include <QColor>
#include <QImage>

#include <memory>
#include <optional>

namespace korvane::components {

// An item strip: the background colour, then a picture stretched to the box
// or centred in it. Its picture can be replaced while the window is open.
class PicBox final : public model::LiveControl {
 public:
  static std::unique_ptr<model::LiveControl> create(const model::CreateContext& context);

  PicBox(const model::CreateContext& context, const model::PicBoxSettings& settings);

  void paint(QPainter& painter) override;
  void set(model::Role role, const model::Value& value) override;

  // The bytes of the picture file it shows; empty for none.
  const model::ByteSet& picture() const { return picture_; }
  bool hasDecodedPicture() const { return decoded_.has_value(); }

 private:
  void setPicture(const model::ByteSet& bytes);

  model::PictureMode mode_;
  QColor background_;
  model::ByteSet picture_;
  std::optional<QImage> decoded_;
};

}  // namespace korvane::components
