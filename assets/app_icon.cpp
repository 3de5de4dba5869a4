#include "assets/app_icon.h"

#include "assets/asset_catalog.h"

#include <QBuffer>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

#include <optional>

namespace korvane::assets {

namespace {

// The index of the directory entry with the given square size and the most
// bits per pixel, read from the .ico directory itself because the image
// reader does not report an entry's colour depth.
std::optional<int> richestEntry(const QByteArray& ico, int size) {
  const auto* bytes = reinterpret_cast<const uchar*>(ico.constData());
  if (ico.size() < 6 || qFromLittleEndian<quint16>(bytes + 2) != 1) return std::nullopt;
  const int count = qFromLittleEndian<quint16>(bytes + 4);
  if (ico.size() < 6 + 16 * count) return std::nullopt;
  std::optional<int> best;
  int bestBits = 0;
  for (int i = 0; i < count; ++i) {
    const uchar* entry = bytes + 6 + 16 * i;
    const int width = entry[0] == 0 ? 256 : entry[0];
    const int height = entry[1] == 0 ? 256 : entry[1];
    const int bits = qFromLittleEndian<quint16>(entry + 6);
    if (width == size && height == size && bits > bestBits) {
      best = i;
      bestBits = bits;
    }
  }
  return best;
}

QIcon loadApplicationIcon() {
  const QByteArray ico = iconBytes();
  QIcon icon;
  for (const int size : {32, 16}) {
    const std::optional<int> index = richestEntry(ico, size);
    if (!index) continue;
    QBuffer buffer;
    buffer.setData(ico);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    if (!reader.jumpToImage(*index)) continue;
    const QImage image = reader.read();
    if (image.width() == size && image.height() == size) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace

const QIcon& applicationIcon() {
  static const QIcon icon = loadApplicationIcon();
  return icon;
}

}  // namespace korvane::assets
