#pragma once

#include <QByteArray>

namespace korvane::generate {

// The size every stored picture's embedded profile has.
constexpr int kSrgbProfileSize = 3144;

// A version 2 display profile of the sRGB colour space, built from the
// published primaries, white point and transfer function of IEC 61966-2.1,
// exactly kSrgbProfileSize bytes long.
QByteArray srgbProfile();

}  // namespace korvane::generate
