#include "ui/components/trans_label.h"

#include "ui/components/colour.h"
#include "ui/components/font_setting.h"

#include <QPainter>

#include <stdexcept>

namespace korvane::components {
namespace {

const model::TransLabelSettings& transLabelSettingsOf(const model::Unit& unit) {
  const auto* settings = std::get_if<model::TransLabelSettings>(&unit.settings);
  if (!settings) throw std::logic_error("a TransLabel unit needs TransLabel settings");
  return *settings;
}

int horizontalFlag(model::HorizontalAlignment alignment) {
  switch (alignment) {
    case model::HorizontalAlignment::Left: return Qt::AlignLeft;
    case model::HorizontalAlignment::Centred: return Qt::AlignHCenter;
    case model::HorizontalAlignment::Right: return Qt::AlignRight;
  }
  return Qt::AlignLeft;
}

int verticalFlag(model::VerticalAlignment alignment) {
  switch (alignment) {
    case model::VerticalAlignment::Top: return Qt::AlignTop;
    case model::VerticalAlignment::Centred: return Qt::AlignVCenter;
    case model::VerticalAlignment::Bottom: return Qt::AlignBottom;
  }
  return Qt::AlignVCenter;
}

// Wrapped text starts at the top and breaks at its line breaks and between
// words; a single line is aligned vertically and shows line breaks as spaces.
int flagsFor(const model::TransLabelSettings& settings) {
  const int horizontal = horizontalFlag(settings.horizontal);
  if (settings.wordWrap) return horizontal | Qt::AlignTop | Qt::TextWordWrap;
  return horizontal | verticalFlag(settings.vertical) | Qt::TextSingleLine;
}

}  // namespace

std::unique_ptr<model::LiveControl> TransLabel::create(const model::CreateContext& context) {
  return std::make_unique<TransLabel>(context, transLabelSettingsOf(context.unit));
}

TransLabel::TransLabel(const model::CreateContext& context, const model::TransLabelSettings& settings)
    : LiveControl(context.host, context.unit.id, model::Kind::TransLabel),
      text_(QString(settings.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))),
      colour_(toQColor(settings.textColour)),
      fontSetting_(settings.font),
      flags_(flagsFor(settings)) {}

const QFont& TransLabel::font() const {
  if (!font_) font_ = toQFont(fontSetting_);
  return *font_;
}

void TransLabel::paint(QPainter& painter) {
  if (text_.isEmpty()) return;
  painter.setFont(font());
  painter.setPen(colour_);
  painter.drawText(clientRect(), flags_, text_);
}

}  // namespace korvane::components
