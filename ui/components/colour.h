#pragma once

#include "ui/model/kind_settings.h"

#include <QColor>

namespace korvane::components {

// A colour setting as the painter wants it; the button-face colour comes
// from the platform's palette.
QColor toQColor(const model::Colour& colour);

}  // namespace korvane::components
