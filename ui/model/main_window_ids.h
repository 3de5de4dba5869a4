#pragma once

// The ids of the main window and of the controls that the catalogue logic
// addresses, with the layout of the page container's pages.

#include "ui/model/ids.h"

#include <array>
#include <string>
#include <string_view>

namespace korvane::model {

inline constexpr WindowId kMainWindowId = 0x52010003;
inline constexpr UnitId kMainWindowUnitId = 0x06010002;
inline constexpr UnitId kPageContainerId = 0x16010014;  // 高级选择夹

// Pages of the page container: the five categories, then the records page.
inline constexpr int kCategoryCount = 5;
inline constexpr int kMalePage = 0;     // 男服饰
inline constexpr int kFemalePage = 1;   // 女服饰
inline constexpr int kPropsPage = 2;    // 道具
inline constexpr int kBadgesPage = 3;   // 徽章
inline constexpr int kPetsPage = 4;     // 宠物
inline constexpr int kRecordsPage = 5;  // 记录
inline constexpr int kPageCount = 6;

// Hot areas of the title strip and the navigation bar.
inline constexpr UnitId kContactHotAreaId = 0x16010007;       // 透明标签_联系客服
inline constexpr UnitId kMinimiseHotAreaId = 0x16010008;      // 透明标签_最小化
inline constexpr UnitId kCloseHotAreaId = 0x16010009;         // 透明标签_关闭
inline constexpr UnitId kPreviousPageHotAreaId = 0x1601004A;  // 透明标签_上一页
inline constexpr UnitId kNextPageHotAreaId = 0x160100A6;      // 透明标签_下一页

// The navigation bar's hot area for each page, indexed by page.
inline constexpr std::array<UnitId, kPageCount> kPageHotAreaIds = {
    0x160137D6,  // 透明标签_男服饰
    0x160100A1,  // 透明标签_女服饰
    0x160100A2,  // 透明标签_道具
    0x160100A3,  // 透明标签_徽章
    0x16010049,  // 透明标签_宠物
    0x160137D7,  // 透明标签_记录
};

// Hyperlink boxes and the text of the records page.
inline constexpr UnitId kTitleWebsiteLinkId = 0x16013995;    // 超级链接框2
inline constexpr UnitId kTitleServiceLinkId = 0x16013996;    // 超级链接框3
inline constexpr UnitId kRecordsWebsiteLinkId = 0x16013980;  // 超级链接框1
inline constexpr UnitId kRecordsTextId = 0x16013994;         // 透明标签1

inline constexpr int kStripsPerCategory = 3;
inline constexpr int kButtonsPerStrip = 5;
inline constexpr int kButtonsPerCategory = kStripsPerCategory * kButtonsPerStrip;

// The item strips and obtain buttons of one category page: strips[r - 1] is
// strip r (row r), buttons[n - 1] is obtain button n.
struct CategoryControls {
  UnitId strips[kStripsPerCategory];
  UnitId buttons[kButtonsPerCategory];
};

// Indexed by category page, kMalePage to kPetsPage.
const std::array<CategoryControls, kCategoryCount>& categoryControls();

// The key of each category in the names of its strip pictures, by page.
inline constexpr std::array<std::string_view, kCategoryCount> kCategoryAssetKeys = {
    "male", "female", "props", "badges", "pets"};

// The asset shown in strip row `row` (1..3) while the category shows its
// page `categoryPage` (1..3): "male_p2_r3" and the like.
inline std::string stripAssetName(int category, int categoryPage, int row) {
  return std::string(kCategoryAssetKeys.at(category)) + "_p" + std::to_string(categoryPage) + "_r" +
         std::to_string(row);
}

}  // namespace korvane::model
