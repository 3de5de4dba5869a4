#include "ui/model/main_window_ids.h"

namespace korvane::model {
namespace {

// One row per control, one column per category, as the ids were assigned.
constexpr UnitId kCategoryIdRows[kStripsPerCategory + kButtonsPerCategory][kCategoryCount] = {
    //            男服饰      女服饰      道具        徽章        宠物
    /* strip 1 */ {0x16010018, 0x16010115, 0x16010268, 0x16013741, 0x1601371D},
    /* strip 2 */ {0x16010019, 0x16010116, 0x16010266, 0x16013747, 0x16013723},
    /* strip 3 */ {0x1601001A, 0x16010117, 0x16010260, 0x1601374E, 0x1601372A},
    /* button 1 */ {0x1601001D, 0x16010118, 0x16010267, 0x16013742, 0x1601371E},
    /* button 2 */ {0x16010020, 0x16010119, 0x16010269, 0x16013743, 0x1601371F},
    /* button 3 */ {0x16010023, 0x1601011A, 0x1601026A, 0x16013744, 0x16013720},
    /* button 4 */ {0x16010026, 0x1601011B, 0x1601026B, 0x16013745, 0x16013721},
    /* button 5 */ {0x16010029, 0x1601011C, 0x1601026C, 0x16013746, 0x16013722},
    /* button 6 */ {0x1601001F, 0x16010121, 0x16010265, 0x1601374C, 0x16013728},
    /* button 7 */ {0x16010021, 0x16010120, 0x16010264, 0x1601374B, 0x16013727},
    /* button 8 */ {0x16010024, 0x1601011F, 0x16010263, 0x1601374A, 0x16013726},
    /* button 9 */ {0x16010027, 0x1601011E, 0x16010261, 0x16013749, 0x16013725},
    /* button 10 */ {0x1601002A, 0x1601011D, 0x16010262, 0x16013748, 0x16013724},
    /* button 11 */ {0x1601001C, 0x16010122, 0x1601025B, 0x1601374D, 0x16013729},
    /* button 12 */ {0x16010022, 0x16010123, 0x1601025C, 0x1601374F, 0x1601372B},
    /* button 13 */ {0x16010025, 0x16010124, 0x1601025D, 0x16013750, 0x1601372C},
    /* button 14 */ {0x16010028, 0x16010125, 0x1601025E, 0x16013751, 0x1601372D},
    /* button 15 */ {0x1601002B, 0x16010126, 0x1601025F, 0x16013752, 0x1601372E},
};

constexpr std::array<CategoryControls, kCategoryCount> byCategory() {
  std::array<CategoryControls, kCategoryCount> result{};
  for (int category = 0; category < kCategoryCount; ++category) {
    for (int r = 0; r < kStripsPerCategory; ++r) {
      result[category].strips[r] = kCategoryIdRows[r][category];
    }
    for (int n = 0; n < kButtonsPerCategory; ++n) {
      result[category].buttons[n] = kCategoryIdRows[kStripsPerCategory + n][category];
    }
  }
  return result;
}

constexpr std::array<CategoryControls, kCategoryCount> kCategoryControls = byCategory();

}  // namespace

const std::array<CategoryControls, kCategoryCount>& categoryControls() { return kCategoryControls; }

}  // namespace korvane::model
