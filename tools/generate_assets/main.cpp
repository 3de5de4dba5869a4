// Writes every stored picture and the application icon of the catalogue.
// Usage: korvane_generate_assets [output directory]
// The default directory is the source tree's assets/pictures.

#include "artwork.h"
#include "catalogue_items.h"
#include "icon_file.h"
#include "shape_mask_gif.h"
#include "stored_jpeg.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <set>
#include <string>
#include <tuple>

namespace {

using namespace korvane::generate;

void save(const QDir& dir, const QString& file, const QByteArray& bytes) {
  QFile out(dir.filePath(file));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
    throw std::runtime_error("cannot write " + out.fileName().toStdString());
  }
  std::printf("%-22s %7lld bytes\n", qPrintable(file), static_cast<long long>(bytes.size()));
}

QSize thumbnailOf(QSize size) {
  return QSize(160, (size.height() * 160 + size.width() / 2) / size.width());
}

// Every card of the catalogue must differ from every other in its caption
// and in its picture.
void requireDistinctCards() {
  std::set<std::string> names;
  std::set<std::tuple<std::string, int, double, double, int, QRgb>> pictures;
  for (const StripArt& strip : catalogueStrips()) {
    for (const Item& item : strip.items) {
      if (!names.insert(item.name).second) throw std::runtime_error(std::string("two cards named ") + item.name);
      if (!pictures
               .insert({item.emoji, item.tint.hue, item.tint.saturation, item.tint.value,
                        static_cast<int>(item.badge), item.metal.rgb()})
               .second) {
        throw std::runtime_error(std::string("two cards share the picture of ") + item.name);
      }
    }
  }
}

void requireFont(const QString& family) {
  if (!QFontDatabase::families().contains(family)) {
    throw std::runtime_error("the font " + family.toStdString() + " is not installed");
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  try {
    requireFont(QStringLiteral("Noto Sans CJK SC"));
    requireFont(QStringLiteral("Noto Color Emoji"));
    requireDistinctCards();
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(KORVANE_PICTURES_DIR));
    if (!dir.exists()) throw std::runtime_error("no such directory: " + dir.path().toStdString());

    const QImage skin = paintSkin();
    save(dir, "skin.jpg", storedJpeg(skin, {90, thumbnailOf(skin.size()), true, "Korvane skin"}));
    save(dir, "shape_mask.gif", shapeMaskGif(outlineIndices(skin)));

    const QImage notice = paintNoticeFace();
    save(dir, "notice_face.jpg", storedJpeg(notice, {92, thumbnailOf(notice.size()), true, "Korvane notice"}));
    for (int face = 1; face <= 2; ++face) {
      const QImage image = paintButtonFace(face == 2);
      save(dir, QStringLiteral("button_face_%1.jpg").arg(face),
           storedJpeg(image, {95, image.size(), false, "Korvane obtain button"}));
    }
    for (const StripArt& strip : catalogueStrips()) {
      const QImage image = paintStrip(strip);
      save(dir, QString::fromLatin1(strip.asset) + ".jpg",
           storedJpeg(image, {90, thumbnailOf(image.size()), true, QString::fromLatin1(strip.asset)}));
    }

    std::vector<IconImage> icon;
    for (int bits : {4, 8, 32}) {
      for (int size : {48, 32, 16}) icon.push_back({paintIcon(size), bits});
    }
    icon.push_back({paintIcon(128), 32});
    save(dir, "DEFAULT_ICON.ico", iconFile(icon));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "korvane_generate_assets: %s\n", error.what());
    return 1;
  }
  return 0;
}
