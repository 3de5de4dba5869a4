// Walks each stored JPEG segment by segment, by the segments' own lengths,
// and checks the fixed layout the decoder is built to cope with.

#include "assets/asset_catalog.h"
#include "assets/decode_picture.h"

#include <QtEndian>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace korvane::assets {
namespace {

struct Segment {
  int marker;
  QByteArray payload;  // after the length field
};

struct Walk {
  std::vector<Segment> segments;  // up to and including SOS
  QByteArray entropy;             // between the SOS header and the end of the file
  bool ok = false;
};

int u8(const QByteArray& b, qsizetype at) { return static_cast<uchar>(b[at]); }
int be16(const QByteArray& b, qsizetype at) { return (u8(b, at) << 8) | u8(b, at + 1); }
quint32 be32(const QByteArray& b, qsizetype at) {
  return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(b.constData()) + at);
}

Walk walk(const QByteArray& file) {
  Walk out;
  if (file.size() < 4 || u8(file, 0) != 0xFF || u8(file, 1) != 0xD8) return out;
  qsizetype at = 2;
  while (at + 4 <= file.size()) {
    if (u8(file, at) != 0xFF) return out;
    const int marker = u8(file, at + 1);
    const int length = be16(file, at + 2);
    if (length < 2 || at + 2 + length > file.size()) return out;
    out.segments.push_back({marker, file.mid(at + 4, length - 2)});
    at += 2 + length;
    if (marker == 0xDA) {
      out.entropy = file.mid(at);
      out.ok = true;
      return out;
    }
  }
  return out;
}

bool completeJpeg(const QByteArray& bytes) {
  return bytes.startsWith("\xFF\xD8") && bytes.endsWith("\xFF\xD9");
}

QSize expectedSize(std::string_view name) {
  if (name == "skin") return {880, 720};
  if (name == "notice_face") return {392, 200};
  if (name.starts_with("button_face_")) return {106, 22};
  return {862, 168};
}

bool isFace(std::string_view name) { return name.starts_with("button_face_"); }

QSize expectedThumbnail(std::string_view name) {
  const QSize full = expectedSize(name);
  if (isFace(name)) return full;
  return {160, static_cast<int>(std::lround(full.height() * 160.0 / full.width()))};
}

std::vector<std::string_view> jpegAssets() {
  std::vector<std::string_view> names;
  for (std::string_view name : assetNames())
    if (name != "shape_mask") names.push_back(name);
  return names;
}

TEST(StoredJpegStructure, SegmentsComeInTheFixedOrder) {
  for (std::string_view name : jpegAssets()) {
    SCOPED_TRACE(std::string(name));
    const Walk w = walk(assetBytes(name));
    ASSERT_TRUE(w.ok);
    std::vector<int> markers;
    for (const Segment& s : w.segments) markers.push_back(s.marker);
    std::vector<int> expected{0xE1, 0xED, 0xE1};
    if (!isFace(name)) expected.push_back(0xE2);
    expected.insert(expected.end(), {0xEE, 0xDB, 0xC0, 0xDD, 0xC4, 0xDA});
    EXPECT_EQ(markers, expected);
    EXPECT_TRUE(w.segments[0].payload.startsWith(QByteArray("Exif\0\0", 6)));
    EXPECT_TRUE(w.segments[1].payload.startsWith(QByteArray("Photoshop 3.0\0", 14)));
    EXPECT_TRUE(w.segments[2].payload.startsWith(QByteArray("http://ns.adobe.com/xap/1.0/\0", 29)));
  }
}

const Segment* find(const Walk& w, int marker) {
  for (const Segment& s : w.segments)
    if (s.marker == marker) return &s;
  return nullptr;
}

TEST(StoredJpegStructure, AdobeSegmentMarksYCbCr) {
  for (std::string_view name : jpegAssets()) {
    SCOPED_TRACE(std::string(name));
    const Walk w = walk(assetBytes(name));
    const Segment* adobe = find(w, 0xEE);
    ASSERT_NE(adobe, nullptr);
    ASSERT_EQ(adobe->payload.size(), 12);
    EXPECT_TRUE(adobe->payload.startsWith("Adobe"));
    EXPECT_EQ(be16(adobe->payload, 5), 100);  // version
    EXPECT_EQ(be16(adobe->payload, 7), 0);    // flags 0
    EXPECT_EQ(be16(adobe->payload, 9), 0);    // flags 1
    EXPECT_EQ(u8(adobe->payload, 11), 1);     // transform: YCbCr
  }
}

TEST(StoredJpegStructure, OneQuantisationSegmentWithBothTables) {
  for (std::string_view name : jpegAssets()) {
    SCOPED_TRACE(std::string(name));
    const Walk w = walk(assetBytes(name));
    const Segment* dqt = find(w, 0xDB);
    ASSERT_NE(dqt, nullptr);
    ASSERT_EQ(dqt->payload.size(), 2 * 65);
    EXPECT_EQ(u8(dqt->payload, 0), 0x00);   // 8-bit entries, table 0
    EXPECT_EQ(u8(dqt->payload, 65), 0x01);  // 8-bit entries, table 1
  }
}

TEST(StoredJpegStructure, BaselineFrameOfThreeFullResolutionComponents) {
  for (std::string_view name : jpegAssets()) {
    SCOPED_TRACE(std::string(name));
    const Walk w = walk(assetBytes(name));
    const Segment* sof = find(w, 0xC0);
    ASSERT_NE(sof, nullptr);
    ASSERT_EQ(sof->payload.size(), 6 + 3 * 3);
    EXPECT_EQ(u8(sof->payload, 0), 8);
    EXPECT_EQ(QSize(be16(sof->payload, 3), be16(sof->payload, 1)), expectedSize(name));
    ASSERT_EQ(u8(sof->payload, 5), 3);
    const int expected[3][3] = {{1, 0x11, 0}, {2, 0x11, 1}, {3, 0x11, 1}};
    for (int c = 0; c < 3; ++c) {
      EXPECT_EQ(u8(sof->payload, 6 + 3 * c), expected[c][0]);
      EXPECT_EQ(u8(sof->payload, 7 + 3 * c), expected[c][1]);
      EXPECT_EQ(u8(sof->payload, 8 + 3 * c), expected[c][2]);
    }
  }
}

TEST(StoredJpegStructure, RestartIntervalIsOneMcuRow) {
  const std::map<std::string_view, int> interval{
      {"button_face_1", 14}, {"button_face_2", 14}, {"skin", 110}, {"notice_face", 49}};
  for (std::string_view name : jpegAssets()) {
    SCOPED_TRACE(std::string(name));
    const Walk w = walk(assetBytes(name));
    const Segment* dri = find(w, 0xDD);
    ASSERT_NE(dri, nullptr);
    ASSERT_EQ(dri->payload.size(), 2);
    const auto known = interval.find(name);
    EXPECT_EQ(be16(dri->payload, 0), known == interval.end() ? 108 : known->second);
  }
}

TEST(StoredJpegStructure, OneHuffmanSegmentWithAllFourTables) {
  for (std::string_view name : jpegAssets()) {
    SCOPED_TRACE(std::string(name));
    const Walk w = walk(assetBytes(name));
    const Segment* dht = find(w, 0xC4);
    ASSERT_NE(dht, nullptr);
    std::set<int> tables;
    qsizetype at = 0;
    while (at < dht->payload.size()) {
      const int classAndId = u8(dht->payload, at);
      int codes = 0;
      for (int i = 1; i <= 16; ++i) codes += u8(dht->payload, at + i);
      tables.insert(classAndId);
      at += 17 + codes;
    }
    EXPECT_EQ(at, dht->payload.size());
    EXPECT_EQ(tables, (std::set<int>{0x00, 0x01, 0x10, 0x11}));
  }
}

TEST(StoredJpegStructure, OneInterleavedSequentialScan) {
  for (std::string_view name : jpegAssets()) {
    SCOPED_TRACE(std::string(name));
    const Walk w = walk(assetBytes(name));
    const Segment* sos = find(w, 0xDA);
    ASSERT_NE(sos, nullptr);
    const QByteArray expected("\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00", 10);
    EXPECT_EQ(sos->payload, expected);
  }
}

TEST(StoredJpegStructure, RestartMarkersCycleBetweenRowsAndDataEndsWithEoi) {
  for (std::string_view name : jpegAssets()) {
    SCOPED_TRACE(std::string(name));
    const QByteArray data = walk(assetBytes(name)).entropy;
    std::vector<int> markers;
    for (qsizetype i = 0; i + 1 < data.size(); ++i) {
      if (u8(data, i) != 0xFF) continue;
      const int next = u8(data, i + 1);
      if (next == 0x00) {
        ++i;
        continue;
      }
      markers.push_back(next);
      ++i;
    }
    const int rows = (expectedSize(name).height() + 7) / 8;
    ASSERT_EQ(static_cast<int>(markers.size()), rows);  // rows − 1 restarts, then EOI
    for (int i = 0; i + 1 < rows; ++i) ASSERT_EQ(markers[i], 0xD0 + i % 8) << "row " << i;
    EXPECT_EQ(markers.back(), 0xD9);
    EXPECT_TRUE(data.endsWith("\xFF\xD9"));
  }
}

// The JPEG thumbnail in IFD1 of the Exif segment's big-endian TIFF structure.
QByteArray exifThumbnail(const QByteArray& payload, quint16* orientation) {
  const QByteArray tiff = payload.mid(6);
  if (!tiff.startsWith(QByteArray("MM\0\x2A", 4))) return {};
  const quint32 ifd0 = be32(tiff, 4);
  auto entries = [&](quint32 at) {
    std::map<int, quint32> values;
    const int count = be16(tiff, at);
    for (int i = 0; i < count; ++i) {
      const qsizetype e = at + 2 + 12 * i;
      const int type = be16(tiff, e + 2);
      values[be16(tiff, e)] = type == 3 ? static_cast<quint32>(be16(tiff, e + 8)) : be32(tiff, e + 8);
    }
    return std::pair{values, be32(tiff, at + 2 + 12 * count)};
  };
  const auto [first, ifd1] = entries(ifd0);
  if (first.count(0x0112)) *orientation = static_cast<quint16>(first.at(0x0112));
  if (ifd1 == 0) return {};
  const auto [second, next] = entries(ifd1);
  if (!second.count(0x0201) || !second.count(0x0202) || second.at(0x0103) != 6) return {};
  return tiff.mid(second.at(0x0201), second.at(0x0202));
}

QByteArray photoshopThumbnail(const QByteArray& payload) {
  qsizetype at = 14;
  while (at + 12 <= payload.size() && payload.mid(at, 4) == "8BIM") {
    const int id = be16(payload, at + 4);
    const int nameLength = u8(payload, at + 6);
    const qsizetype sizeAt = at + 6 + ((nameLength + 2) & ~1);
    const quint32 size = be32(payload, sizeAt);
    const qsizetype data = sizeAt + 4;
    if (id == 0x040C) {
      if (be32(payload, data) != 1) return {};  // JPEG format
      return payload.mid(data + 28, be32(payload, data + 20));
    }
    at = data + ((size + 1) & ~1u);
  }
  return {};
}

TEST(StoredJpegStructure, BothThumbnailsAreCompleteJpegsOfTheStatedSize) {
  for (std::string_view name : jpegAssets()) {
    SCOPED_TRACE(std::string(name));
    const Walk w = walk(assetBytes(name));
    ASSERT_TRUE(w.ok);
    quint16 orientation = 0;
    const QByteArray exif = exifThumbnail(w.segments[0].payload, &orientation);
    const QByteArray photoshop = photoshopThumbnail(w.segments[1].payload);
    EXPECT_EQ(orientation, 1);
    for (const QByteArray& thumbnail : {exif, photoshop}) {
      ASSERT_TRUE(completeJpeg(thumbnail));
      const std::optional<QImage> picture = decodePicture(thumbnail);
      ASSERT_TRUE(picture.has_value());
      EXPECT_EQ(picture->size(), expectedThumbnail(name));
    }
  }
}

TEST(StoredJpegStructure, XmpSegmentHoldsAPacket) {
  for (std::string_view name : jpegAssets()) {
    const Walk w = walk(assetBytes(name));
    ASSERT_TRUE(w.ok) << name;
    const QByteArray xmp = w.segments[2].payload.mid(29);
    EXPECT_TRUE(xmp.startsWith("<?xpacket begin=")) << name;
    EXPECT_TRUE(xmp.contains("<x:xmpmeta")) << name;
    EXPECT_TRUE(xmp.endsWith("<?xpacket end=\"w\"?>")) << name;
  }
}

double s15Fixed16(const QByteArray& b, qsizetype at) {
  return static_cast<qint32>(be32(b, at)) / 65536.0;
}

TEST(StoredJpegStructure, SrgbProfileInEveryAssetButTheButtonFaces) {
  for (std::string_view name : jpegAssets()) {
    SCOPED_TRACE(std::string(name));
    const Walk w = walk(assetBytes(name));
    const Segment* app2 = find(w, 0xE2);
    if (isFace(name)) {
      EXPECT_EQ(app2, nullptr);
      continue;
    }
    ASSERT_NE(app2, nullptr);
    ASSERT_TRUE(app2->payload.startsWith(QByteArray("ICC_PROFILE\0\x01\x01", 14)));
    const QByteArray profile = app2->payload.mid(14);
    ASSERT_EQ(profile.size(), 3144);
    EXPECT_EQ(be32(profile, 0), 3144u);
    EXPECT_EQ(profile.mid(12, 12), QByteArray("mntrRGB XYZ "));
    EXPECT_EQ(profile.mid(36, 4), QByteArray("acsp"));

    // The tag table: every tag inside the profile, and the three primaries
    // adding up to the D50 white of the connection space.
    std::map<QByteArray, std::pair<quint32, quint32>> tags;
    const quint32 count = be32(profile, 128);
    for (quint32 i = 0; i < count; ++i) {
      const qsizetype e = 132 + 12 * i;
      tags[profile.mid(e, 4)] = {be32(profile, e + 4), be32(profile, e + 8)};
      EXPECT_LE(be32(profile, e + 4) + be32(profile, e + 8), 3144u);
    }
    for (const char* tag : {"desc", "cprt", "wtpt", "rXYZ", "gXYZ", "bXYZ", "rTRC", "gTRC", "bTRC"}) {
      EXPECT_EQ(tags.count(tag), 1u) << tag;
    }
    const double d50[3] = {0.9642, 1.0, 0.8249};
    for (int axis = 0; axis < 3; ++axis) {
      double sum = 0;
      for (const char* tag : {"rXYZ", "gXYZ", "bXYZ"}) sum += s15Fixed16(profile, tags[tag].first + 8 + 4 * axis);
      EXPECT_NEAR(sum, d50[axis], 0.0005) << axis;
    }
    EXPECT_NEAR(s15Fixed16(profile, tags["rXYZ"].first + 8), 0.4361, 0.0005);
    EXPECT_NEAR(s15Fixed16(profile, tags["gXYZ"].first + 12), 0.7169, 0.0005);
    EXPECT_TRUE(profile.mid(tags["desc"].first, tags["desc"].second).contains("sRGB"));
  }
}

}  // namespace
}  // namespace korvane::assets
