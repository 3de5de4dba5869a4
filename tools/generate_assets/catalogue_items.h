#pragma once

#include <QColor>

#include <array>
#include <vector>

namespace korvane::generate {

enum class Rarity { Fine, Rare, Epic, Legend };

// A recolour of an item's picture: hue turned by degrees, saturation and
// brightness scaled.
struct Tint {
  int hue = 0;
  double saturation = 1.0;
  double value = 1.0;
};

enum class BadgeShape { None, Round, Shield, Hexagon, Star, Wings };

struct Item {
  const char* name;
  const char* emoji;
  Rarity rarity;
  const char* note = nullptr;  // second caption below the picture
  Tint tint = {};
  BadgeShape badge = BadgeShape::None;
  QColor metal = {};  // badge body colour
};

struct StripArt {
  const char* asset;
  std::array<Item, 5> items;
};

// Every strip of the catalogue, five cards each, in asset order.
const std::vector<StripArt>& catalogueStrips();

}  // namespace korvane::generate
