#include "assets/asset_catalog.h"

#include <QFile>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace korvane::assets {
namespace {

std::string fileOf(std::string_view name) {
  return std::string(name) + (name == "shape_mask" ? ".gif" : ".jpg");
}

TEST(AssetCatalog, HoldsExactlyTheThirtyNinePictures) {
  std::set<std::string> expected{"skin", "shape_mask", "notice_face", "button_face_1", "button_face_2",
                                 "props_p1_r1", "props_p1_r2", "props_p1_r3", "props_p2_r1",
                                 "badges_p1_r1", "badges_p1_r2", "badges_p1_r3", "badges_p2_r1",
                                 "badges_p2_r2", "pets_p3_r1"};
  for (const char* key : {"male", "female"})
    for (int page = 1; page <= 3; ++page)
      for (int row = 1; row <= 3; ++row)
        expected.insert(std::string(key) + "_p" + std::to_string(page) + "_r" + std::to_string(row));
  for (int page = 1; page <= 2; ++page)
    for (int row = 1; row <= 3; ++row)
      expected.insert("pets_p" + std::to_string(page) + "_r" + std::to_string(row));

  const auto& names = assetNames();
  EXPECT_EQ(names.size(), 39u);
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), expected);
}

TEST(AssetCatalog, EveryNameGivesTheCommittedFileByteForByte) {
  for (std::string_view name : assetNames()) {
    SCOPED_TRACE(std::string(name));
    QFile file(QStringLiteral(KORVANE_PICTURES_DIR "/") + QString::fromStdString(fileOf(name)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray stored = assetBytes(name);
    ASSERT_FALSE(stored.isEmpty());
    EXPECT_EQ(stored, file.readAll());
  }
}

TEST(AssetCatalog, BytesAreLentNotCopied) {
  const QByteArray first = assetBytes("skin");
  const QByteArray second = assetBytes("skin");
  ASSERT_FALSE(first.isEmpty());
  EXPECT_EQ(first.constData(), second.constData());
  // Raw data borrowed from the executable is not owned by the array.
  EXPECT_FALSE(first.isDetached());
}

TEST(AssetCatalog, UnknownNamesGiveNothing) {
  for (const char* name : {"", "SKIN", "skin.jpg", "skin ", "male_p4_r1", "props_p2_r2", "badges_p2_r3",
                           "pets_p3_r2", "DEFAULT_ICON", "button_face_3", "pictures/skin.jpg"}) {
    EXPECT_TRUE(assetBytes(name).isEmpty()) << name;
  }
}

TEST(AssetCatalog, FormatFollowsTheLeadingBytes) {
  for (std::string_view name : assetNames()) {
    const QByteArray bytes = assetBytes(name);
    if (name == "shape_mask") {
      EXPECT_TRUE(bytes.startsWith("GIF89a"));
    } else {
      EXPECT_TRUE(bytes.startsWith("\xFF\xD8")) << name;
      EXPECT_TRUE(bytes.endsWith("\xFF\xD9")) << name;
    }
  }
}

TEST(AssetCatalog, IconFileIsEmbedded) {
  const QByteArray icon = iconBytes();
  ASSERT_GE(icon.size(), 6);
  EXPECT_EQ(icon.left(4), QByteArray("\0\0\1\0", 4));
}

}  // namespace
}  // namespace korvane::assets
