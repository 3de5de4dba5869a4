#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace korvane::generate {

struct IconImage {
  QImage image;       // square, ARGB
  int bitsPerPixel;   // 4, 8 or 32
};

// Writes a Windows .ico file holding each image as a bottom-up DIB with an
// AND mask; 4- and 8-bit images get a palette cut from their own colours.
QByteArray iconFile(const std::vector<IconImage>& images);

}  // namespace korvane::generate
