#include "assets/asset_catalog.h"

#include <QResource>
#include <QString>

#include <algorithm>
#include <utility>

// The pictures are compiled in through Qt's resource system; the static
// library's resource object is linked into every consumer, and initialising
// it once more here keeps the lookup working however the library is linked.
static void initialisePictureResources() { Q_INIT_RESOURCE(korvane_pictures); }

namespace korvane::assets {

namespace {

struct StoredPicture {
  std::string_view name;
  std::string_view file;
};

constexpr StoredPicture kPictures[] = {
    {"skin", "skin.jpg"},
    {"shape_mask", "shape_mask.gif"},
    {"notice_face", "notice_face.jpg"},
    {"button_face_1", "button_face_1.jpg"},
    {"button_face_2", "button_face_2.jpg"},
    {"male_p1_r1", "male_p1_r1.jpg"},
    {"male_p1_r2", "male_p1_r2.jpg"},
    {"male_p1_r3", "male_p1_r3.jpg"},
    {"male_p2_r1", "male_p2_r1.jpg"},
    {"male_p2_r2", "male_p2_r2.jpg"},
    {"male_p2_r3", "male_p2_r3.jpg"},
    {"male_p3_r1", "male_p3_r1.jpg"},
    {"male_p3_r2", "male_p3_r2.jpg"},
    {"male_p3_r3", "male_p3_r3.jpg"},
    {"female_p1_r1", "female_p1_r1.jpg"},
    {"female_p1_r2", "female_p1_r2.jpg"},
    {"female_p1_r3", "female_p1_r3.jpg"},
    {"female_p2_r1", "female_p2_r1.jpg"},
    {"female_p2_r2", "female_p2_r2.jpg"},
    {"female_p2_r3", "female_p2_r3.jpg"},
    {"female_p3_r1", "female_p3_r1.jpg"},
    {"female_p3_r2", "female_p3_r2.jpg"},
    {"female_p3_r3", "female_p3_r3.jpg"},
    {"props_p1_r1", "props_p1_r1.jpg"},
    {"props_p1_r2", "props_p1_r2.jpg"},
    {"props_p1_r3", "props_p1_r3.jpg"},
    {"props_p2_r1", "props_p2_r1.jpg"},
    {"badges_p1_r1", "badges_p1_r1.jpg"},
    {"badges_p1_r2", "badges_p1_r2.jpg"},
    {"badges_p1_r3", "badges_p1_r3.jpg"},
    {"badges_p2_r1", "badges_p2_r1.jpg"},
    {"badges_p2_r2", "badges_p2_r2.jpg"},
    {"pets_p1_r1", "pets_p1_r1.jpg"},
    {"pets_p1_r2", "pets_p1_r2.jpg"},
    {"pets_p1_r3", "pets_p1_r3.jpg"},
    {"pets_p2_r1", "pets_p2_r1.jpg"},
    {"pets_p2_r2", "pets_p2_r2.jpg"},
    {"pets_p2_r3", "pets_p2_r3.jpg"},
    {"pets_p3_r1", "pets_p3_r1.jpg"},
};

constexpr std::size_t kPictureCount = std::size(kPictures);

// Borrows the compiled-in bytes of one resource file; empty if it is missing
// or stored compressed (which would need a copy to read).
QByteArray residentBytes(std::string_view file) {
  const QString path = QStringLiteral(":/korvane/pictures/") +
                       QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
  const QResource resource(path);
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
    return {};
  }
  return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                 static_cast<qsizetype>(resource.size()));
}

const std::array<QByteArray, kPictureCount>& residentPictures() {
  static const std::array<QByteArray, kPictureCount> pictures = [] {
    initialisePictureResources();
    std::array<QByteArray, kPictureCount> bytes;
    for (std::size_t i = 0; i < kPictureCount; ++i) bytes[i] = residentBytes(kPictures[i].file);
    return bytes;
  }();
  return pictures;
}

}  // namespace

QByteArray assetBytes(std::string_view name) {
  const auto* found = std::find_if(std::begin(kPictures), std::end(kPictures),
                                   [name](const StoredPicture& p) { return p.name == name; });
  if (found == std::end(kPictures)) return {};
  return residentPictures()[static_cast<std::size_t>(found - std::begin(kPictures))];
}

const std::vector<std::string_view>& assetNames() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> list;
    list.reserve(kPictureCount);
    for (const StoredPicture& picture : kPictures) list.push_back(picture.name);
    return list;
  }();
  return names;
}

QByteArray iconBytes() {
  initialisePictureResources();
  const QResource resource(QStringLiteral(":/korvane/pictures/DEFAULT_ICON.ico"));
  if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
    return {};
  }
  return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                 static_cast<qsizetype>(resource.size()));
}

}  // namespace korvane::assets
