#pragma once

#include <QByteArray>
#include <QImage>

namespace korvane::generate {

// The palette slots of the outline picture: 0 and 24 are white and never
// drawn (24 is the transparent index), 7 is black and 8 to 23 are greys
// getting lighter; 1 to 6 and 25 to 31 are unused.
constexpr int kMaskBlack = 7;
constexpr int kMaskLightest = 23;

// Writes a GIF89a of the given 8-bit index picture with the fixed 32-entry
// palette, a graphic control extension naming index 24 transparent and LZW
// minimum code size 5.
QByteArray shapeMaskGif(const QImage& indices);

}  // namespace korvane::generate
