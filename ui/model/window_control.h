#pragma once

#include "ui/model/kind_settings.h"
#include "ui/model/live_control.h"

#include <optional>

namespace korvane::model {

// The live control of a window's own unit: the top-level window itself.
class WindowControl : public LiveControl {
 public:
  using LiveControl::LiveControl;

  virtual platform::NativeWindow& native() = 0;
  // Paints the face under the controls, in window coordinates.
  virtual void paintFace(QPainter& painter, const QRect& area) = 0;
  virtual void showInStartState() = 0;
  virtual bool setOutlineFromPicture(const ByteSet& picture, std::optional<Colour> transparent) = 0;
  virtual bool escCloses() const = 0;
  virtual bool moveAnywhere() const = 0;
};

}  // namespace korvane::model
