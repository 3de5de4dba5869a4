#pragma once

#include "ui/model/kind_registry.h"
#include "ui/model/kind_settings.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <memory>

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

  const QFont& font() const { return font_; }
  // The flags the text is laid out with.
  int textFlags() const { return flags_; }

 private:
  QString text_;
  QColor colour_;
  QFont font_;
  int flags_;
};

}  // namespace korvane::components
