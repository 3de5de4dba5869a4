#include "ui/components/hand_pointer.h"

#include <array>
#include <string_view>

namespace korvane::components {
namespace {

constexpr int kSize = 32;

// '#' black, '.' white, anything else transparent. Rows below the table and
// columns right of each row are transparent.
constexpr std::array<std::string_view, 22> kHand = {
    "     ##",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..###",
    "    #..#..###",
    "    #..#..#..##",
    "    #..#..#..#.#",
    "### #........#..#",
    "#..##...........#",
    "#...#...........#",
    " #..............#",
    "  #.............#",
    "  #.............#",
    "   #...........#",
    "   #...........#",
    "    #.........#",
    "    #.........#",
    "     #.......#",
    "     #.......#",
    "     #########",
};

platform::PointerShape drawHand() {
  QImage image(kSize, kSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < static_cast<int>(kHand.size()); ++y) {
    for (int x = 0; x < static_cast<int>(kHand[y].size()); ++x) {
      if (kHand[y][x] == '#') image.setPixel(x, y, qRgba(0, 0, 0, 255));
      if (kHand[y][x] == '.') image.setPixel(x, y, qRgba(255, 255, 255, 255));
    }
  }
  return platform::PointerShape{QStringLiteral("hand"), image, QPoint(6, 1)};
}

}  // namespace

const platform::PointerShape& handPointer() {
  static const platform::PointerShape shape = drawHand();
  return shape;
}

}  // namespace korvane::components
