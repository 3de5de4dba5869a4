#include "ui/components/hyper_linker.h"

#include "ui/components/colour.h"
#include "ui/components/font_setting.h"
#include "ui/components/hand_pointer.h"

#include <QPainter>

#include <stdexcept>

namespace korvane::components {
namespace {

using LinkKind = model::HyperLinkerSettings::LinkKind;

const model::HyperLinkerSettings& hyperLinkerSettingsOf(const model::Unit& unit) {
  const auto* settings = std::get_if<model::HyperLinkerSettings>(&unit.settings);
  if (!settings) throw std::logic_error("a HyperLinker unit needs HyperLinker settings");
  return *settings;
}

QString shownText(const model::HyperLinkerSettings& settings) {
  if (!settings.caption.isEmpty()) return settings.caption;
  return settings.linkKind == LinkKind::Web ? settings.webAddress : settings.emailAddress;
}

}  // namespace

std::unique_ptr<model::LiveControl> HyperLinker::create(const model::CreateContext& context) {
  return std::make_unique<HyperLinker>(context, hyperLinkerSettingsOf(context.unit));
}

HyperLinker::HyperLinker(const model::CreateContext& context, const model::HyperLinkerSettings& settings)
    : LiveControl(context.host, context.unit.id, model::Kind::HyperLinker),
      settings_(settings),
      text_(shownText(settings)),
      normal_(toQColor(settings.normalColour)),
      visitedColour_(toQColor(settings.visitedColour)),
      hover_(toQColor(settings.hoverColour)),
      background_(toQColor(settings.background)),
      font_(toQFont(settings.font)) {}

const platform::PointerShape* HyperLinker::ownPointer() const { return &handPointer(); }

QString HyperLinker::target() const {
  if (settings_.linkKind == LinkKind::Web) return settings_.webAddress;
  if (settings_.emailAddress.isEmpty()) return {};
  return QStringLiteral("mailto:") + settings_.emailAddress;
}

void HyperLinker::paint(QPainter& painter) {
  painter.fillRect(clientRect(), background_);
  painter.setFont(font_);
  painter.setPen(hovering_ ? hover_ : visited_ ? visitedColour_ : normal_);
  // QPainter leaves "&" as it is unless asked for mnemonics.
  painter.drawText(clientRect(), Qt::AlignCenter | Qt::TextSingleLine, text_);
}

void HyperLinker::mouse(const model::ControlMouse& input) {
  switch (input.action) {
    case platform::MouseAction::Move: {
      const bool inside = clientRect().contains(input.pos);
      if (inside && !hovering_) {
        hovering_ = true;
        host().repaint(*this);
      }
      // The capture is how the box hears the pointer leave.
      if (inside && !host().hasCapture(*this)) host().setCapture(*this);
      if (!inside && hovering_) {
        hovering_ = false;
        host().releaseCapture(*this);
        host().repaint(*this);
      }
      break;
    }
    case platform::MouseAction::Press:
      if (input.button == platform::LeftButton) open();
      break;
    case platform::MouseAction::Release:
    case platform::MouseAction::DoubleClick:
      break;
  }
}

void HyperLinker::open() {
  const QString url = target();
  if (url.isEmpty()) return;
  auto& platform = host().platform();
  const bool opened = platform.openUrl(url) || platform.openInHtmlBrowser(url);
  const bool changed = opened != visited_;
  visited_ = opened;
  if (opened || changed) host().repaint(*this);
}

}  // namespace korvane::components
