// Reads the stored outline GIF byte by byte and checks its fixed layout.

#include "assets/asset_catalog.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace korvane::assets {
namespace {

int u8(const QByteArray& b, qsizetype at) { return static_cast<uchar>(b[at]); }
int le16(const QByteArray& b, qsizetype at) { return u8(b, at) | (u8(b, at + 1) << 8); }

constexpr qsizetype kTable = 13;
constexpr qsizetype kExtension = kTable + 32 * 3;
constexpr qsizetype kDescriptor = kExtension + 8;
constexpr qsizetype kCodeSize = kDescriptor + 10;

TEST(StoredGifStructure, HeaderAndLogicalScreen) {
  const QByteArray gif = assetBytes("shape_mask");
  ASSERT_GT(gif.size(), kCodeSize);
  EXPECT_EQ(gif.left(6), QByteArray("GIF89a"));
  EXPECT_EQ(le16(gif, 6), 880);
  EXPECT_EQ(le16(gif, 8), 720);
  EXPECT_EQ(u8(gif, 10), 0xC4);  // global table of 32, colour resolution 5, not sorted
  EXPECT_EQ(u8(gif, 11), 0);     // background index
  EXPECT_EQ(u8(gif, 12), 0);     // aspect
}

TEST(StoredGifStructure, PaletteHasWhiteOnlyAtZeroAndTwentyFour) {
  const QByteArray gif = assetBytes("shape_mask");
  ASSERT_GT(gif.size(), kExtension);
  for (int i = 0; i < 32; ++i) {
    const bool white = u8(gif, kTable + 3 * i) == 255 && u8(gif, kTable + 3 * i + 1) == 255 &&
                       u8(gif, kTable + 3 * i + 2) == 255;
    EXPECT_EQ(white, i == 0 || i == 24) << "entry " << i;
  }
  for (int i = 7; i <= 23; ++i) {
    const int r = u8(gif, kTable + 3 * i);
    EXPECT_TRUE(r == u8(gif, kTable + 3 * i + 1) && r == u8(gif, kTable + 3 * i + 2)) << "entry " << i << " is grey";
  }
  EXPECT_EQ(u8(gif, kTable + 3 * 7), 0) << "entry 7 is black";
}

TEST(StoredGifStructure, GraphicControlExtensionNamesTwentyFourTransparent) {
  const QByteArray gif = assetBytes("shape_mask");
  ASSERT_GT(gif.size(), kDescriptor);
  EXPECT_EQ(gif.mid(kExtension, 8), QByteArray("\x21\xF9\x04\x01\x00\x00\x18\x00", 8));
}

TEST(StoredGifStructure, OneFullImageThenTheTrailer) {
  const QByteArray gif = assetBytes("shape_mask");
  ASSERT_GT(gif.size(), kCodeSize + 1);
  EXPECT_EQ(u8(gif, kDescriptor), 0x2C);
  EXPECT_EQ(le16(gif, kDescriptor + 1), 0);
  EXPECT_EQ(le16(gif, kDescriptor + 3), 0);
  EXPECT_EQ(le16(gif, kDescriptor + 5), 880);
  EXPECT_EQ(le16(gif, kDescriptor + 7), 720);
  EXPECT_EQ(u8(gif, kDescriptor + 9), 0);  // no local table, not interlaced
  EXPECT_EQ(u8(gif, kCodeSize), 5);
  qsizetype at = kCodeSize + 1;
  int blocks = 0;
  while (at < gif.size() && u8(gif, at) != 0) {
    at += 1 + u8(gif, at);
    ++blocks;
  }
  EXPECT_GT(blocks, 0);
  ASSERT_EQ(at + 2, gif.size()) << "the image data's terminator, then the trailer, end the file";
  EXPECT_EQ(u8(gif, at + 1), 0x3B);
}

struct Reader {
  QByteArray bytes;
  qsizetype position = 0;
};

int readBytes(GifFileType* gif, GifByteType* buffer, int length) {
  auto* source = static_cast<Reader*>(gif->UserData);
  const int count = static_cast<int>(std::min<qsizetype>(length, source->bytes.size() - source->position));
  std::memcpy(buffer, source->bytes.constData() + source->position, static_cast<std::size_t>(count));
  source->position += count;
  return count;
}

TEST(StoredGifStructure, OnlyIndicesSevenToTwentyThreeArePainted) {
  Reader source{assetBytes("shape_mask")};
  int error = 0;
  GifFileType* gif = DGifOpen(&source, readBytes, &error);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  ASSERT_EQ(gif->ImageCount, 1);
  const SavedImage& image = gif->SavedImages[0];
  std::set<int> used;
  for (int i = 0; i < 880 * 720; ++i) used.insert(image.RasterBits[i]);
  DGifCloseFile(gif, &error);
  EXPECT_GE(*used.begin(), 7);
  EXPECT_LE(*used.rbegin(), 23);
  EXPECT_GT(used.size(), 3u) << "the skin's layout shows in several greys";
}

}  // namespace
}  // namespace korvane::assets
