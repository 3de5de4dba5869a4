#pragma once

#include <QByteArray>
#include <QRgb>

#include <cstdint>
#include <vector>

namespace korvane::assets::testing {

// A baseline JPEG straight from libjpeg's compressor. `samples` holds
// width × height × components bytes, interleaved, already in `colourSpace`
// (1 component: grey, 3: YCbCr unless `rgbSamples`), so no conversion
// happens on the way in.
QByteArray encodeJpeg(int width, int height, int components, const std::vector<std::uint8_t>& samples,
                      int quality = 100, bool rgbSamples = false, int restartRows = 0);

struct GifImage {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool interlaced = false;
  std::vector<QRgb> localPalette;       // empty: none
  std::vector<std::uint8_t> indices;   // rows top to bottom, as displayed
};

struct GifFixture {
  int width = 0;
  int height = 0;
  std::vector<QRgb> globalPalette;      // empty: none
  int backgroundIndex = 0;
  int transparentIndex = -1;            // -1: no graphic control extension
  std::vector<GifImage> images;
  bool gif89 = true;
};

// A GIF written by giflib's encoder; interlaced images are handed to it in
// their four-pass order.
QByteArray encodeGif(const GifFixture& fixture);

}  // namespace korvane::assets::testing
