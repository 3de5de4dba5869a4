#include "ui/components/pic_box.h"

#include "assets/decode_picture.h"
#include "ui/components/colour.h"
#include "ui/components/picture_layout.h"

#include <QPainter>

#include <stdexcept>

namespace korvane::components {
namespace {

const model::PicBoxSettings& picBoxSettingsOf(const model::Unit& unit) {
  const auto* settings = std::get_if<model::PicBoxSettings>(&unit.settings);
  if (!settings) throw std::logic_error("a PicBox unit needs PicBox settings");
  return *settings;
}

}  // namespace

std::unique_ptr<model::LiveControl> PicBox::create(const model::CreateContext& context) {
  return std::make_unique<PicBox>(context, picBoxSettingsOf(context.unit));
}

PicBox::PicBox(const model::CreateContext& context, const model::PicBoxSettings& settings)
    : LiveControl(context.host, context.unit.id, model::Kind::PicBox),
      mode_(settings.pictureMode),
      background_(toQColor(settings.background)) {
  setPicture(settings.picture);
}

void PicBox::setPicture(const model::ByteSet& bytes) {
  picture_ = bytes;
  decoded_.reset();
  if (!picture_.isEmpty()) decoded_ = assets::decodePicture(picture_);
}

void PicBox::set(model::Role role, const model::Value& value) {
  if (role != model::Role::Picture) return;
  const auto* bytes = std::get_if<model::ByteSet>(&value);
  if (!bytes) return;
  setPicture(*bytes);
  host().repaint(*this);
}

void PicBox::paint(QPainter& painter) {
  const QRect client = clientRect();
  painter.fillRect(client, background_);
  if (!decoded_) return;
  const QRect target = mode_ == model::PictureMode::Centred ? centredPictureRect(decoded_->size(), client.size())
                                                             : client;
  // A picture of the target's own size is copied as it is, never resampled.
  if (target.size() == decoded_->size()) {
    painter.drawImage(target.topLeft(), *decoded_);
  } else {
    painter.drawImage(target, *decoded_);
  }
}

}  // namespace korvane::components
