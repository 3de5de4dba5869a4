#include "tests/assets/fixtures.h"

#include <cstdio>
#include <gif_lib.h>
#include <jpeglib.h>

#include <stdexcept>

namespace korvane::assets::testing {

QByteArray encodeJpeg(int width, int height, int components, const std::vector<std::uint8_t>& samples,
                      int quality, bool rgbSamples, int restartRows) {
  if (samples.size() != static_cast<std::size_t>(width * height * components)) {
    throw std::invalid_argument("sample count does not match the picture size");
  }
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : rgbSamples ? JCS_RGB : JCS_YCbCr;
  jpeg_set_defaults(&cinfo);
  jpeg_set_colorspace(&cinfo, components == 1 ? JCS_GRAYSCALE : rgbSamples ? JCS_RGB : JCS_YCbCr);
  for (int i = 0; i < cinfo.num_components; ++i) {
    cinfo.comp_info[i].h_samp_factor = 1;
    cinfo.comp_info[i].v_samp_factor = 1;
  }
  jpeg_set_quality(&cinfo, quality, TRUE);
  cinfo.restart_in_rows = restartRows;
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<std::uint8_t> row;
  while (cinfo.next_scanline < cinfo.image_height) {
    auto* line = const_cast<JSAMPLE*>(samples.data() + cinfo.next_scanline * width * components);
    jpeg_write_scanlines(&cinfo, &line, 1);
  }
  jpeg_finish_compress(&cinfo);
  QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

namespace {

int appendToArray(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}

ColorMapObject* makePalette(const std::vector<QRgb>& colours) {
  if (colours.empty()) return nullptr;
  std::vector<GifColorType> entries;
  for (QRgb c : colours) {
    entries.push_back({static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                       static_cast<GifByteType>(qBlue(c))});
  }
  return GifMakeMapObject(static_cast<int>(entries.size()), entries.data());
}

void check(int result) {
  if (result == GIF_ERROR) throw std::runtime_error("giflib could not write the fixture");
}

}  // namespace

QByteArray encodeGif(const GifFixture& fixture) {
  QByteArray out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, appendToArray, &error);
  if (!gif) throw std::runtime_error("giflib could not start the fixture");
  EGifSetGifVersion(gif, fixture.gif89);
  ColorMapObject* global = makePalette(fixture.globalPalette);
  check(EGifPutScreenDesc(gif, fixture.width, fixture.height, 8, fixture.backgroundIndex, global));
  if (fixture.transparentIndex >= 0) {
    const GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, fixture.transparentIndex};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension));
  }
  for (const GifImage& image : fixture.images) {
    ColorMapObject* local = makePalette(image.localPalette);
    check(EGifPutImageDesc(gif, image.left, image.top, image.width, image.height, image.interlaced, local));
    std::vector<int> order;
    if (image.interlaced) {
      for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
        for (int row = start; row < image.height; row += step) order.push_back(row);
    } else {
      for (int row = 0; row < image.height; ++row) order.push_back(row);
    }
    for (int row : order) {
      check(EGifPutLine(gif, const_cast<GifPixelType*>(image.indices.data() + row * image.width),
                        image.width));
    }
    GifFreeMapObject(local);
  }
  check(EGifCloseFile(gif, &error));
  GifFreeMapObject(global);
  return out;
}

}  // namespace korvane::assets::testing
