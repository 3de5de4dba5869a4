#include "assets/decode_picture.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Decoding must never crash, and a picture it does give must be what the
// components expect: a non-empty opaque RGB32 image.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<QImage> picture = korvane::assets::decodePicture(data, size);
  if (!picture) return 0;
  if (picture->isNull() || picture->width() <= 0 || picture->height() <= 0 ||
      picture->format() != QImage::Format_RGB32) {
    std::abort();
  }
  for (int y = 0; y < picture->height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(picture->constScanLine(y));
    for (int x = 0; x < picture->width(); ++x) {
      if (qAlpha(row[x]) != 0xFF) std::abort();
    }
  }
  return 0;
}
