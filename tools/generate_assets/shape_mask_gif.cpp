#include "shape_mask_gif.h"

#include <gif_lib.h>

#include <stdexcept>

namespace korvane::generate {

namespace {

int appendToArray(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}

void check(int result) {
  if (result == GIF_ERROR) throw std::runtime_error("giflib could not write the outline picture");
}

}  // namespace

QByteArray shapeMaskGif(const QImage& indices) {
  if (indices.format() != QImage::Format_Indexed8 && indices.format() != QImage::Format_Grayscale8) {
    throw std::invalid_argument("outline picture must hold palette indices");
  }
  GifColorType colours[32];
  for (int i = 0; i < 32; ++i) colours[i] = {0, 0, 0};
  colours[0] = {255, 255, 255};
  colours[24] = {255, 255, 255};
  for (int i = kMaskBlack; i <= kMaskLightest; ++i) {
    const auto level = static_cast<GifByteType>((i - kMaskBlack) * 14);
    colours[i] = {level, level, level};
  }
  ColorMapObject* palette = GifMakeMapObject(32, colours);

  QByteArray out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, appendToArray, &error);
  if (!gif) throw std::runtime_error("giflib could not start the outline picture");
  EGifSetGifVersion(gif, true);
  check(EGifPutScreenDesc(gif, indices.width(), indices.height(), 5, 0, palette));

  const GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, 24};
  GifByteType extension[4];
  EGifGCBToExtension(&control, extension);
  check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension));

  check(EGifPutImageDesc(gif, 0, 0, indices.width(), indices.height(), false, nullptr));
  for (int y = 0; y < indices.height(); ++y) {
    for (int x = 0; x < indices.width(); ++x) {
      const int index = indices.constScanLine(y)[x];
      if (index < kMaskBlack || index > kMaskLightest) {
        throw std::invalid_argument("outline picture uses a reserved palette index");
      }
    }
    check(EGifPutLine(gif, const_cast<GifPixelType*>(indices.constScanLine(y)), indices.width()));
  }
  check(EGifCloseFile(gif, &error));
  GifFreeMapObject(palette);
  return out;
}

}  // namespace korvane::generate
