#pragma once

#include <QRect>
#include <QSize>

namespace korvane::components {

// Where a picture goes in an area of the given size when it is centred: at
// natural size in each dimension where it fits, otherwise scaled down by one
// factor for both dimensions, keeping its proportions, then centred.
QRect centredPictureRect(QSize picture, QSize area);

}  // namespace korvane::components
