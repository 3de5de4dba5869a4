// Writes small JPEG and GIF files, made the way the decoding tests make their
// fixtures, into a folder; they seed the fuzz corpus beside the stored pictures.

#include "tests/assets/fixtures.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>

namespace {

using korvane::assets::testing::encodeGif;
using korvane::assets::testing::encodeJpeg;
using korvane::assets::testing::GifFixture;
using korvane::assets::testing::GifImage;

std::vector<std::uint8_t> ramp(int count, int step) {
  std::vector<std::uint8_t> samples(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) samples[i] = static_cast<std::uint8_t>(i * step);
  return samples;
}

// Progressive with 2 × 2 chroma subsampling: the shape the stored pictures
// never have, so the fuzzer starts from both kinds of scan.
QByteArray progressiveJpeg(int width, int height) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 60, TRUE);
  jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  const std::vector<std::uint8_t> samples = ramp(width * height * 3, 7);
  while (cinfo.next_scanline < cinfo.image_height) {
    auto* line = const_cast<JSAMPLE*>(samples.data() + cinfo.next_scanline * width * 3);
    jpeg_write_scanlines(&cinfo, &line, 1);
  }
  jpeg_finish_compress(&cinfo);
  QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

const std::vector<QRgb> kFour = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 255, 255)};

GifImage image(int left, int top, int width, int height, bool interlaced = false,
               std::vector<QRgb> local = {}) {
  GifImage result{left, top, width, height, interlaced, std::move(local), {}};
  for (int i = 0; i < width * height; ++i) result.indices.push_back(static_cast<std::uint8_t>(i % 4));
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_seeds FOLDER\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(".")) return 1;

  GifFixture gif87{3, 2, kFour, 0, -1, {image(0, 0, 3, 2)}, false};
  const std::pair<const char*, QByteArray> seeds[] = {
      {"grey_8x8.jpg", encodeJpeg(8, 8, 1, ramp(64, 4))},
      {"ycbcr_16x16.jpg", encodeJpeg(16, 16, 3, ramp(16 * 16 * 3, 3), 50)},
      {"rgb_restarts_24x24.jpg", encodeJpeg(24, 24, 3, ramp(24 * 24 * 3, 5), 90, true, 1)},
      {"grey_restarts_24x40.jpg", encodeJpeg(24, 40, 1, ramp(24 * 40, 1), 100, false, 1)},
      {"progressive_20x12.jpg", progressiveJpeg(20, 12)},
      {"global_4x4.gif", encodeGif({4, 4, kFour, 0, -1, {image(0, 0, 4, 4)}})},
      {"interlaced_5x17.gif", encodeGif({5, 17, kFour, 1, -1, {image(0, 0, 5, 17, true)}})},
      {"local_table_2x1.gif", encodeGif({2, 1, kFour, 0, -1, {image(0, 0, 2, 1, false, kFour)}})},
      {"offset_transparent.gif", encodeGif({6, 5, kFour, 2, 3, {image(2, 1, 3, 3)}})},
      {"two_images.gif", encodeGif({2, 2, kFour, 0, -1, {image(0, 0, 2, 2), image(1, 1, 1, 1)}})},
      {"gif87a.gif", encodeGif(gif87)},
  };
  for (const auto& [name, bytes] : seeds) {
    QFile file(folder.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return 1;
  }
  return 0;
}
