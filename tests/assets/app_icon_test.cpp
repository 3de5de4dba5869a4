#include "assets/app_icon.h"

#include "assets/asset_catalog.h"

#include <QBuffer>
#include <QIcon>
#include <QImageReader>
#include <QtEndian>
#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace korvane::assets {
namespace {

TEST(ApplicationIcon, HoldsThirtyTwoAndSixteen) {
  const QList<QSize> sizes = applicationIcon().availableSizes();
  std::multiset<std::pair<int, int>> found;
  for (const QSize& size : sizes) found.insert({size.width(), size.height()});
  const std::multiset<std::pair<int, int>> expected{{32, 32}, {16, 16}};
  EXPECT_EQ(found, expected);
}

TEST(ApplicationIcon, IsLoadedOnce) { EXPECT_EQ(&applicationIcon(), &applicationIcon()); }

TEST(ApplicationIcon, IsARoundBadgeWithClearCorners) {
  for (int size : {32, 16}) {
    const QImage image = applicationIcon().pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
    EXPECT_EQ(qAlpha(image.pixel(size - 1, size - 1)), 0) << size;
    const QRgb centre = image.pixel(size / 2, size / 2);
    EXPECT_EQ(qAlpha(centre), 255) << size;
    EXPECT_GT(qBlue(centre), qRed(centre)) << "a blue emblem at the centre, size " << size;
  }
}

TEST(ApplicationIcon, FileHoldsTheTenListedImages) {
  const QByteArray ico = iconBytes();
  const auto* bytes = reinterpret_cast<const uchar*>(ico.constData());
  ASSERT_GE(ico.size(), 6 + 16 * 10);
  ASSERT_EQ(qFromLittleEndian<quint16>(bytes + 4), 10);
  std::multiset<std::pair<int, int>> entries;  // size, bits per pixel
  for (int i = 0; i < 10; ++i) {
    const uchar* entry = bytes + 6 + 16 * i;
    entries.insert({entry[0], qFromLittleEndian<quint16>(entry + 6)});
  }
  const std::multiset<std::pair<int, int>> expected{{48, 4}, {32, 4}, {16, 4}, {48, 8},  {32, 8},
                                                    {16, 8}, {48, 32}, {32, 32}, {16, 32}, {128, 32}};
  EXPECT_EQ(entries, expected);

  QBuffer buffer;
  buffer.setData(ico);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "ico");
  ASSERT_EQ(reader.imageCount(), 10);
  for (int i = 0; i < 10; ++i) {
    ASSERT_TRUE(reader.jumpToImage(i));
    const QImage image = reader.read();
    EXPECT_EQ(image.width(), bytes[6 + 16 * i]) << "entry " << i;
  }
}

}  // namespace
}  // namespace korvane::assets
