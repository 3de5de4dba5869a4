#include "assets/decode_picture.h"

#include "assets/asset_catalog.h"
#include "tests/assets/fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace korvane::assets {
namespace {

using testing::encodeGif;
using testing::encodeJpeg;
using testing::GifFixture;
using testing::GifImage;

QSize storedSize(std::string_view name) {
  if (name == "skin" || name == "shape_mask") return {880, 720};
  if (name == "notice_face") return {392, 200};
  if (name.starts_with("button_face_")) return {106, 22};
  return {862, 168};
}

// ---------------------------------------------------------------- stored pictures

TEST(DecodeStoredPictures, EveryAssetDecodesAtItsOwnSizeNotItsThumbnails) {
  for (std::string_view name : assetNames()) {
    SCOPED_TRACE(std::string(name));
    const std::optional<QImage> picture = decodePicture(assetBytes(name));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), storedSize(name));
    EXPECT_EQ(picture->format(), QImage::Format_RGB32);
  }
}

TEST(DecodeStoredPictures, SkinIsTheStripGreyUnderBothHyperlinkBoxes) {
  const std::optional<QImage> skin = decodePicture(assetBytes("skin"));
  ASSERT_TRUE(skin.has_value());
  for (const QRect box : {QRect(65, 10, 224, 16), QRect(367, 10, 224, 16)}) {
    for (int y = box.top(); y <= box.bottom(); ++y)
      for (int x = box.left(); x <= box.right(); ++x)
        ASSERT_EQ(skin->pixel(x, y), qRgb(90, 90, 90)) << x << "," << y;
  }
}

TEST(DecodeStoredPictures, SkinIsBlackBehindThePageContainer) {
  const std::optional<QImage> skin = decodePicture(assetBytes("skin"));
  ASSERT_TRUE(skin.has_value());
  int brightest = 0;
  // JPEG blocks that straddle the container's gilt edge may ring a little,
  // so look one block inside it.
  for (int y = 56; y < 644; ++y)
    for (int x = 16; x < 856; ++x) brightest = std::max(brightest, qGray(skin->pixel(x, y)));
  EXPECT_LE(brightest, 2);
}

TEST(DecodeStoredPictures, ShapeMaskHasNoWhitePixel) {
  const std::optional<QImage> mask = decodePicture(assetBytes("shape_mask"));
  ASSERT_TRUE(mask.has_value());
  ASSERT_EQ(mask->size(), QSize(880, 720));
  for (int y = 0; y < mask->height(); ++y)
    for (int x = 0; x < mask->width(); ++x) {
      const QRgb pixel = mask->pixel(x, y);
      ASSERT_NE(pixel & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
      ASSERT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)) << x << "," << y;
    }
}

TEST(DecodeStoredPictures, PixelsAreOpaqueInMemory) {
  // Window-system bitmaps read the fourth byte of RGB32 as alpha.
  const std::optional<QImage> face = decodePicture(assetBytes("button_face_1"));
  ASSERT_TRUE(face.has_value());
  for (int y = 0; y < face->height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(face->constScanLine(y));
    for (int x = 0; x < face->width(); ++x) ASSERT_EQ(qAlpha(line[x]), 255);
  }
}

// ---------------------------------------------------------------- JPEG fixtures

// The JFIF equations from YCbCr to RGB.
QRgb jfifToRgb(int y, int cb, int cr) {
  auto clamp = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
  return qRgb(clamp(y + 1.402 * (cr - 128)), clamp(y - 0.344136 * (cb - 128) - 0.714136 * (cr - 128)),
              clamp(y + 1.772 * (cb - 128)));
}

struct YCbCrCase {
  int y, cb, cr;
};

TEST(DecodeJpeg, KnownYCbCrSamplesBecomeTheirRgb) {
  // Each sample fills a whole 8 × 8 block, so quality 100 keeps it exactly.
  const YCbCrCase cases[] = {
      {76, 85, 255},    // red
      {150, 44, 21},    // green
      {29, 255, 107},   // blue
      {128, 128, 128},  // mid grey
      {200, 60, 170},   // a warm yellow
      {40, 180, 90},    // a dark teal
  };
  const int count = static_cast<int>(std::size(cases));
  const int width = 8 * count;
  std::vector<std::uint8_t> samples;
  for (int row = 0; row < 8; ++row)
    for (const YCbCrCase& c : cases)
      for (int i = 0; i < 8; ++i) samples.insert(samples.end(), {std::uint8_t(c.y), std::uint8_t(c.cb), std::uint8_t(c.cr)});

  const std::optional<QImage> picture = decodePicture(encodeJpeg(width, 8, 3, samples));
  ASSERT_TRUE(picture.has_value());
  ASSERT_EQ(picture->size(), QSize(width, 8));
  for (int i = 0; i < count; ++i) {
    const QRgb expected = jfifToRgb(cases[i].y, cases[i].cb, cases[i].cr);
    const QRgb got = picture->pixel(8 * i + 3, 4);
    SCOPED_TRACE(i);
    EXPECT_NEAR(qRed(got), qRed(expected), 1);
    EXPECT_NEAR(qGreen(got), qGreen(expected), 1);
    EXPECT_NEAR(qBlue(got), qBlue(expected), 1);
  }
}

TEST(DecodeJpeg, GreySamplesGoToRedGreenAndBlueAlike) {
  std::vector<std::uint8_t> samples;
  for (int y = 0; y < 8; ++y)
    for (int level : {0, 37, 128, 201, 255})
      for (int x = 0; x < 8; ++x) samples.push_back(static_cast<std::uint8_t>(level));
  const std::optional<QImage> picture = decodePicture(encodeJpeg(40, 8, 1, samples));
  ASSERT_TRUE(picture.has_value());
  const int levels[] = {0, 37, 128, 201, 255};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(picture->pixel(8 * i + 4, 4), qRgb(levels[i], levels[i], levels[i]));
}

TEST(DecodeJpeg, RowsAcrossRestartMarkersAllDecode) {
  // A picture whose rows differ, written with a restart marker per MCU row.
  std::vector<std::uint8_t> samples;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 24; ++x) samples.push_back(static_cast<std::uint8_t>((y / 8) * 25));
  const std::optional<QImage> picture = decodePicture(encodeJpeg(24, 80, 1, samples, 100, false, 1));
  ASSERT_TRUE(picture.has_value());
  for (int band = 0; band < 10; ++band) EXPECT_EQ(qRed(picture->pixel(12, band * 8 + 4)), band * 25);
}

QByteArray smallJpeg() {
  std::vector<std::uint8_t> samples;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) samples.insert(samples.end(), {std::uint8_t(x * 8), std::uint8_t(y * 8), 90});
  return encodeJpeg(32, 32, 3, samples, 90, true, 1);
}

qsizetype scanStart(const QByteArray& jpeg) {
  const qsizetype sos = jpeg.indexOf("\xFF\xDA");
  const auto* bytes = reinterpret_cast<const uchar*>(jpeg.constData());
  return sos + 2 + ((bytes[sos + 2] << 8) | bytes[sos + 3]);
}

TEST(DecodeJpeg, TheSmallFixtureDecodes) {
  // The base of the damaged variants below must itself be sound.
  ASSERT_TRUE(decodePicture(smallJpeg()).has_value());
}

TEST(DecodeJpeg, TruncatedDataGivesNothing) {
  const QByteArray whole = smallJpeg();
  const qsizetype scan = scanStart(whole);
  for (qsizetype length : {qsizetype{6}, qsizetype{20}, scan - 1, scan, scan + 10, whole.size() / 2 + scan / 2,
                           whole.size() - 2, whole.size() - 1}) {
    EXPECT_FALSE(decodePicture(whole.left(length)).has_value()) << "cut at " << length;
  }
}

TEST(DecodeJpeg, CorruptHuffmanDataGivesNothing) {
  const QByteArray whole = smallJpeg();
  const qsizetype scan = scanStart(whole);
  // All-one bits are no valid Huffman code; the stuffed FF 00 keeps the
  // marker structure intact.
  QByteArray ones = whole;
  for (qsizetype i = scan + 4; i < scan + 24; i += 2) {
    ones[i] = '\xFF';
    ones[i + 1] = '\0';
  }
  EXPECT_FALSE(decodePicture(ones).has_value());

  // Entropy data cut short before a restart marker.
  QByteArray shortened = whole;
  const qsizetype rst = shortened.indexOf("\xFF\xD0", scan);
  ASSERT_GT(rst, scan + 8);
  shortened.remove(rst - 8, 8);
  EXPECT_FALSE(decodePicture(shortened).has_value());
}

TEST(DecodeJpeg, BogusHuffmanTableGivesNothing) {
  QByteArray broken = smallJpeg();
  const qsizetype dht = broken.indexOf("\xFF\xC4");
  ASSERT_GT(dht, 0);
  // Code counts claiming more codes than the segment holds.
  for (int i = 0; i < 16; ++i) broken[dht + 5 + i] = '\xFF';
  EXPECT_FALSE(decodePicture(broken).has_value());
}

TEST(DecodeJpeg, HugeClaimedSizeGivesNothing) {
  QByteArray huge = smallJpeg();
  const qsizetype sof = huge.indexOf("\xFF\xC0");
  ASSERT_GT(sof, 0);
  huge[sof + 5] = '\xEA';  // height 60000
  huge[sof + 6] = '\x60';
  huge[sof + 7] = '\xEA';  // width 60000
  huge[sof + 8] = '\x60';
  EXPECT_FALSE(decodePicture(huge).has_value());
}

// ---------------------------------------------------------------- not a picture

TEST(DecodeDetection, ShortOrForeignDataGivesNothing) {
  const QByteArray jpeg = smallJpeg();
  for (int length = 0; length <= 5; ++length) {
    EXPECT_FALSE(decodePicture(jpeg.left(length)).has_value()) << length << " bytes of a JPEG";
    EXPECT_FALSE(decodePicture(QByteArray("GIF89a", 6).left(length)).has_value()) << length;
  }
  EXPECT_FALSE(decodePicture(nullptr, 100).has_value());
  const QByteArray foreign[] = {
      QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
      QByteArray("BM6\0\0\0\0\0\0\0", 10),
      QByteArray("GIF88a\x10\0\x10\0\0\0\0;", 14),
      QByteArray("gif89a\x10\0\x10\0\0\0\0;", 14),
      QByteArray("\xFF\xD9\xFF\xD8\0\0\0\0", 8),
      QByteArray(" \xFF\xD8\xFF\xE0\0\x10", 7),
      jpeg.mid(1),
  };
  for (const QByteArray& data : foreign) EXPECT_FALSE(decodePicture(data).has_value()) << data.toHex().toStdString();
}

TEST(DecodeDetection, SixBytesAreStillLookedAt) {
  // Six bytes pass the length rule; they are then too little for any format.
  EXPECT_FALSE(decodePicture(QByteArray("GIF89a", 6)).has_value());
  EXPECT_FALSE(decodePicture(QByteArray("\xFF\xD8\xFF\xD9\0\0", 6)).has_value());
}

// ---------------------------------------------------------------- GIF fixtures

const std::vector<QRgb> kFour{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};

GifFixture rowsFixture(bool interlaced) {
  // Ten rows, each in a colour of its own, so a misplaced row shows.
  std::vector<QRgb> palette;
  for (int i = 0; i < 16; ++i) palette.push_back(qRgb(i * 16, 255 - i * 16, (i * 50) % 256));
  GifImage image{0, 0, 6, 10, interlaced, {}, {}};
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 6; ++x) image.indices.push_back(static_cast<std::uint8_t>(y));
  return GifFixture{6, 10, palette, 0, -1, {image}};
}

TEST(DecodeGif, InterlacedRowsLandInPlace) {
  for (bool interlaced : {false, true}) {
    SCOPED_TRACE(interlaced ? "interlaced" : "sequential");
    const GifFixture fixture = rowsFixture(interlaced);
    const std::optional<QImage> picture = decodePicture(encodeGif(fixture));
    ASSERT_TRUE(picture.has_value());
    ASSERT_EQ(picture->size(), QSize(6, 10));
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 6; ++x) EXPECT_EQ(picture->pixel(x, y), fixture.globalPalette[y]) << x << "," << y;
  }
}

TEST(DecodeGif, LocalTableWinsOverGlobal) {
  GifImage image{0, 0, 2, 1, false, {qRgb(1, 2, 3), qRgb(4, 5, 6)}, {0, 1}};
  const std::optional<QImage> picture = decodePicture(encodeGif({2, 1, kFour, 0, -1, {image}}));
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->pixel(0, 0), qRgb(1, 2, 3));
  EXPECT_EQ(picture->pixel(1, 0), qRgb(4, 5, 6));
}

TEST(DecodeGif, TransparencyIsNotApplied) {
  GifImage image{0, 0, 4, 1, false, {}, {0, 1, 2, 3}};
  const std::optional<QImage> picture = decodePicture(encodeGif({4, 1, kFour, 0, 3, {image}}));
  ASSERT_TRUE(picture.has_value());
  for (int x = 0; x < 4; ++x) EXPECT_EQ(picture->pixel(x, 0), kFour[x]);
}

TEST(DecodeGif, ScreenSizeRulesAndUncoveredPixelsShowTheBackground) {
  // A 2 × 2 image at (1, 1) on a 4 × 3 screen whose background is blue.
  GifImage image{1, 1, 2, 2, false, {}, {0, 1, 1, 0}};
  const std::optional<QImage> picture = decodePicture(encodeGif({4, 3, kFour, 2, -1, {image}}));
  ASSERT_TRUE(picture.has_value());
  ASSERT_EQ(picture->size(), QSize(4, 3));
  const QRgb R = kFour[0], G = kFour[1], B = kFour[2];
  const QRgb expected[3][4] = {{B, B, B, B}, {B, R, G, B}, {B, G, R, B}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(picture->pixel(x, y), expected[y][x]) << x << "," << y;
}

TEST(DecodeGif, ImageReachingPastTheScreenIsClipped) {
  GifImage image{2, 1, 3, 2, false, {}, {0, 1, 2, 2, 1, 0}};
  const std::optional<QImage> picture = decodePicture(encodeGif({4, 2, kFour, 3, -1, {image}}));
  ASSERT_TRUE(picture.has_value());
  ASSERT_EQ(picture->size(), QSize(4, 2));
  EXPECT_EQ(picture->pixel(1, 1), kFour[3]);
  EXPECT_EQ(picture->pixel(2, 1), kFour[0]);
  EXPECT_EQ(picture->pixel(3, 1), kFour[1]);
}

TEST(DecodeGif, OnlyTheFirstImageCounts) {
  GifImage first{0, 0, 2, 1, false, {}, {0, 0}};
  GifImage second{0, 0, 2, 1, false, {}, {1, 1}};
  const std::optional<QImage> picture = decodePicture(encodeGif({2, 1, kFour, 0, -1, {first, second}}));
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->pixel(1, 0), kFour[0]);
}

TEST(DecodeGif, Gif87aDecodesToo) {
  GifImage image{0, 0, 2, 1, false, {}, {2, 1}};
  GifFixture fixture{2, 1, kFour, 0, -1, {image}};
  fixture.gif89 = false;
  const QByteArray bytes = encodeGif(fixture);
  ASSERT_TRUE(bytes.startsWith("GIF87a"));
  const std::optional<QImage> picture = decodePicture(bytes);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->pixel(0, 0), kFour[2]);
}

TEST(DecodeGif, StreamWithoutAnImageGivesNothing) {
  // Header, screen of 2 × 2 with a two-colour table, then the trailer.
  const QByteArray bare("GIF89a\x02\0\x02\0\x80\0\0\xFF\0\0\0\0\xFF;", 20);
  EXPECT_FALSE(decodePicture(bare).has_value());
  // The same with a graphic control extension before the trailer.
  const QByteArray extensionOnly("GIF89a\x02\0\x02\0\x80\0\0\xFF\0\0\0\0\xFF!\xF9\x04\x01\0\0\x01\0;", 28);
  EXPECT_FALSE(decodePicture(extensionOnly).has_value());
  // And with the stream simply ending after the table.
  EXPECT_FALSE(decodePicture(bare.left(19)).has_value());
}

TEST(DecodeGif, TruncatedImageDataGivesNothing) {
  const QByteArray whole = encodeGif(rowsFixture(false));
  for (qsizetype cut : {qsizetype{13}, whole.size() / 2, whole.size() - 3}) {
    EXPECT_FALSE(decodePicture(whole.left(cut)).has_value()) << cut;
  }
}

TEST(DecodeGif, IndexPastTheTableGivesNothing) {
  // A four-entry table, but LZW code size 8 lets pixels name entry 200.
  QByteArray bytes("GIF89a\x01\0\x01\0\x81\0\0", 13);
  bytes.append(QByteArray(12, '\x40'));
  bytes.append(QByteArray(",\0\0\0\0\x01\0\x01\0\0", 10));
  // Code size 8: clear (256), 200, end (257), in 9-bit codes, LSB first.
  bytes.append(QByteArray("\x08\x04\x00\x91\x05\x04\x00;", 8));
  EXPECT_FALSE(decodePicture(bytes).has_value());
  // The same stream naming entry 3 decodes.
  QByteArray valid = bytes;
  valid[13 + 12 + 10 + 3] = '\x07';
  valid[13 + 12 + 10 + 4] = '\x04';
  const std::optional<QImage> picture = decodePicture(valid);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->pixel(0, 0), qRgb(0x40, 0x40, 0x40));
}

TEST(DecodeGif, HugeClaimedScreenGivesNothing) {
  GifImage image{0, 0, 1, 1, false, {}, {0}};
  QByteArray bytes = encodeGif({1, 1, kFour, 0, -1, {image}});
  bytes[6] = '\xFF';
  bytes[7] = '\xFF';
  bytes[8] = '\xFF';
  bytes[9] = '\xFF';
  EXPECT_FALSE(decodePicture(bytes).has_value());
}

}  // namespace
}  // namespace korvane::assets
