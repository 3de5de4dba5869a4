#pragma once

#include "ui/model/kind_registry.h"
#include "ui/model/kind_settings.h"

#include <QImage>

#include <memory>
#include <optional>

namespace korvane::components {

// An obtain button: a face picture for each state, the mouse captured while
// the pointer is over it or it is held, and clicked on a release inside it.
class PicBtn final : public model::LiveControl {
 public:
  enum State { Normal = 0, Hover = 1, Pressed = 2 };

  static std::unique_ptr<model::LiveControl> create(const model::CreateContext& context);

  PicBtn(const model::CreateContext& context, const model::PicBtnSettings& settings);

  void paint(QPainter& painter) override;
  void mouse(const model::ControlMouse& input) override;

  State state() const { return state_; }

 private:
  void setState(State state);
  const QImage* face() const;

  std::optional<QImage> normal_, hover_, pressed_, disabled_;
  State state_ = Normal;
};

}  // namespace korvane::components
