#pragma once

#include "catalogue_items.h"

#include <QImage>
#include <QRect>

#include <array>

namespace korvane::generate {

// Places that the window's invisible hot areas and hyperlink boxes cover on
// the skin, in window coordinates.
struct LabelledCell {
  QRect rect;
  const char* caption;
};
extern const std::array<LabelledCell, 3> kTitleCells;
extern const std::array<LabelledCell, 8> kNavigationCells;
extern const std::array<QRect, 2> kHyperlinkBoxes;
extern const QRect kPageContainer;
// The border of the drawn OK button of the notice face.
extern const QRect kNoticeButton;

QImage paintSkin();
QImage paintNoticeFace();
QImage paintButtonFace(bool highlighted);
QImage paintStrip(const StripArt& strip);
QImage paintIcon(int size);

// The skin's layout as palette indices of the outline picture: its
// brightness in the palette's greys, the page container's place black.
QImage outlineIndices(const QImage& skin);

}  // namespace korvane::generate
