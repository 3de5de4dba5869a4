#include "ui/components/picture_layout.h"

#include <algorithm>

namespace korvane::components {

QRect centredPictureRect(QSize picture, QSize area) {
  if (picture.isEmpty()) return {};
  QSize size = picture;
  if (picture.width() > area.width() || picture.height() > area.height()) {
    const double scale = std::min(double(area.width()) / picture.width(), double(area.height()) / picture.height());
    size = QSize(int(picture.width() * scale), int(picture.height() * scale));
  }
  return QRect(QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
}

}  // namespace korvane::components
