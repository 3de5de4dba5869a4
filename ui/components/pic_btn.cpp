#include "ui/components/pic_btn.h"

#include "assets/decode_picture.h"

#include <QPainter>

#include <stdexcept>

namespace korvane::components {
namespace {

using platform::MouseAction;

const model::PicBtnSettings& picBtnSettingsOf(const model::Unit& unit) {
  const auto* settings = std::get_if<model::PicBtnSettings>(&unit.settings);
  if (!settings) throw std::logic_error("a PicBtn unit needs PicBtn settings");
  return *settings;
}

std::optional<QImage> decodeFace(const model::ByteSet& bytes) {
  if (bytes.isEmpty()) return std::nullopt;
  return assets::decodePicture(bytes);
}

}  // namespace

std::unique_ptr<model::LiveControl> PicBtn::create(const model::CreateContext& context) {
  return std::make_unique<PicBtn>(context, picBtnSettingsOf(context.unit));
}

PicBtn::PicBtn(const model::CreateContext& context, const model::PicBtnSettings& settings)
    : LiveControl(context.host, context.unit.id, model::Kind::PicBtn),
      normal_(decodeFace(settings.normalPicture)),
      hover_(decodeFace(settings.hoverPicture)),
      disabled_(decodeFace(settings.disabledPicture)) {
  // Hover and pressed faces are usually the same file; decode it once.
  pressed_ = settings.pressedPicture == settings.hoverPicture ? hover_ : decodeFace(settings.pressedPicture);
}

const QImage* PicBtn::face() const {
  if (disabled && disabled_) return &*disabled_;
  if (state_ == Hover && hover_) return &*hover_;
  if (state_ == Pressed && pressed_) return &*pressed_;
  return normal_ ? &*normal_ : nullptr;
}

void PicBtn::paint(QPainter& painter) {
  painter.fillRect(clientRect(), Qt::black);
  if (const QImage* picture = face()) painter.drawImage(QPoint(0, 0), *picture);
}

void PicBtn::setState(State state) {
  if (state_ == state) return;
  state_ = state;
  host().repaint(*this);
}

void PicBtn::mouse(const model::ControlMouse& input) {
  if (disabled) return;
  const bool inside = clientRect().contains(input.pos);
  const bool leftHeld = (input.buttons & platform::LeftButton) != 0;
  switch (input.action) {
    case MouseAction::Move:
      if (inside && host().isTopmostAt(*this, input.pos)) {
        if (!host().hasCapture(*this)) host().setCapture(*this);
        setState(leftHeld ? Pressed : Hover);
      } else {
        if (!leftHeld) host().releaseCapture(*this);
        setState(Normal);
      }
      break;
    case MouseAction::Press:
      if (input.button != platform::LeftButton || !inside) break;
      setState(Pressed);
      host().setCapture(*this);
      break;
    case MouseAction::Release:
      if (input.button != platform::LeftButton) break;
      host().releaseCapture(*this);
      // A release outside may come without a move before it; the button must
      // not stay pressed once it no longer hears the mouse.
      setState(Normal);
      if (inside) host().raise(*this, model::Event::Clicked, {});
      break;
    case MouseAction::DoubleClick:
      // The second press of a double-click changes nothing; its release still clicks.
      break;
  }
}

}  // namespace korvane::components
