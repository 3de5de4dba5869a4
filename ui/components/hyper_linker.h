#pragma once

#include "ui/model/kind_registry.h"
#include "ui/model/kind_settings.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <memory>

namespace korvane::components {

// A line of coloured text that opens its link target when pressed. It turns
// the hover colour while the pointer is over it and the visited colour once
// its target has been opened.
class HyperLinker final : public model::LiveControl {
 public:
  static std::unique_ptr<model::LiveControl> create(const model::CreateContext& context);

  HyperLinker(const model::CreateContext& context, const model::HyperLinkerSettings& settings);

  void paint(QPainter& painter) override;
  void mouse(const model::ControlMouse& input) override;
  const platform::PointerShape* ownPointer() const override;

  bool hovering() const { return hovering_; }
  bool visited() const { return visited_; }
  // What a press opens; empty when it opens nothing.
  QString target() const;
  const QString& text() const { return text_; }

 private:
  void open();

  model::HyperLinkerSettings settings_;
  QString text_;
  QColor normal_, visitedColour_, hover_, background_;
  QFont font_;
  bool hovering_ = false;
  bool visited_ = false;
};

}  // namespace korvane::components
