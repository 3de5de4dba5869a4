#pragma once

#include "ui/model/kind_settings.h"

#include <QFont>

namespace korvane::components {

// The font a font setting asks for. An empty face is the platform's default
// UI font. 宋体 (SimSun) is rarely installed here, so it falls back to a
// Song-style CJK face rather than to whatever sans face the system offers.
QFont toQFont(const model::FontSetting& setting);

}  // namespace korvane::components
