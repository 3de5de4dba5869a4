#pragma once

#include "ui/model/kind_registry.h"
#include "ui/model/kind_settings.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <memory>
#include <optional>

namespace korvane::components {

// A label that draws only its text over whatever lies beneath it. Without
// text it is a hot area: invisible, but it takes the mouse over its whole
// rectangle.
class TransLabel final : public model::LiveControl {
 public:
  static std::unique_ptr<model::LiveControl> create(const model::CreateContext& context);

  TransLabel(const model::CreateContext& context, const model::TransLabelSettings& settings);

  void paint(QPainter& painter) override;
  bool transparent() const override { return true; }

  // Matched when first asked for: matching a Song face asks the font system
  // about each candidate face, and the one label that has such a face lies
  // on a page that start-up does not show.
  const QFont& font() const;
  // The flags the text is laid out with.
  int textFlags() const { return flags_; }

 private:
  QString text_;
  QColor colour_;
  model::FontSetting fontSetting_;
  mutable std::optional<QFont> font_;
  int flags_;
};

}  // namespace korvane::components
