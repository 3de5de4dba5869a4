#pragma once

// What the main window must hold, written out from the layout tables by hand
// so that the tests do not share the definition's own arithmetic.

#include "ui/model/unit.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace korvane::model {

inline void PrintTo(const EventBinding& binding, std::ostream* os) {
  *os << "{event " << static_cast<int>(binding.event) << ", " << binding.handler << "}";
}

}  // namespace korvane::model

namespace korvane::model::expected {

inline const QStringList kCategories = {"男服饰", "女服饰", "道具", "徽章", "宠物"};

// Rows: strip 1..3, then button 1..15; columns: the categories above.
inline constexpr std::uint32_t kCategoryIds[18][5] = {
    {0x16010018, 0x16010115, 0x16010268, 0x16013741, 0x1601371D},
    {0x16010019, 0x16010116, 0x16010266, 0x16013747, 0x16013723},
    {0x1601001A, 0x16010117, 0x16010260, 0x1601374E, 0x1601372A},
    {0x1601001D, 0x16010118, 0x16010267, 0x16013742, 0x1601371E},
    {0x16010020, 0x16010119, 0x16010269, 0x16013743, 0x1601371F},
    {0x16010023, 0x1601011A, 0x1601026A, 0x16013744, 0x16013720},
    {0x16010026, 0x1601011B, 0x1601026B, 0x16013745, 0x16013721},
    {0x16010029, 0x1601011C, 0x1601026C, 0x16013746, 0x16013722},
    {0x1601001F, 0x16010121, 0x16010265, 0x1601374C, 0x16013728},
    {0x16010021, 0x16010120, 0x16010264, 0x1601374B, 0x16013727},
    {0x16010024, 0x1601011F, 0x16010263, 0x1601374A, 0x16013726},
    {0x16010027, 0x1601011E, 0x16010261, 0x16013749, 0x16013725},
    {0x1601002A, 0x1601011D, 0x16010262, 0x16013748, 0x16013724},
    {0x1601001C, 0x16010122, 0x1601025B, 0x1601374D, 0x16013729},
    {0x16010022, 0x16010123, 0x1601025C, 0x1601374F, 0x1601372B},
    {0x16010025, 0x16010124, 0x1601025D, 0x16013750, 0x1601372C},
    {0x16010028, 0x16010125, 0x1601025E, 0x16013751, 0x1601372D},
    {0x1601002B, 0x16010126, 0x1601025F, 0x16013752, 0x1601372E},
};

struct ExpectedUnit {
  QString name;
  Kind kind;
  std::uint32_t id;
  int left, top, width, height;
  bool inPageContainer;
  PointerId pointer;
  int page;      // page of the page container, -1 when not on one
  int category;  // -1 unless an item strip or obtain button
  int row;       // strip row; for buttons the row they lie under
  int number;    // strip row or button number
};

// Units that are not category controls, with their place in the unit order.
struct PlacedUnit {
  int index;
  ExpectedUnit unit;
};

inline const std::vector<PlacedUnit>& fixedUnits() {
  constexpr auto H = PointerId::Hand;
  constexpr auto D = PointerId::Default;
  static const std::vector<PlacedUnit> units = {
      {0, {"", Kind::Window, 0x06010002, 50, 50, 880, 720, false, D, -1, -1, 0, 0}},
      {1, {"超级链接框2", Kind::HyperLinker, 0x16013995, 367, 10, 224, 16, false, D, -1, -1, 0, 0}},
      {2, {"超级链接框3", Kind::HyperLinker, 0x16013996, 65, 10, 224, 16, false, D, -1, -1, 0, 0}},
      {3, {"透明标签1", Kind::TransLabel, 0x16013994, 120, 91, 616, 384, true, D, 5, -1, 0, 0}},
      {4, {"超级链接框1", Kind::HyperLinker, 0x16013980, 317, 577, 222, 24, true, H, 5, -1, 0, 0}},
      {5, {"高级选择夹", Kind::PageControl, 0x16010014, 7, 46, 856, 608, false, D, -1, -1, 0, 0}},
      {6, {"透明标签_记录", Kind::TransLabel, 0x160137D7, 764, 670, 106, 19, false, H, -1, -1, 0, 0}},
      {7, {"透明标签_男服饰", Kind::TransLabel, 0x160137D6, 8, 670, 87, 19, false, H, -1, -1, 0, 0}},
      {44, {"透明标签_关闭", Kind::TransLabel, 0x16010009, 824, 8, 48, 16, false, H, -1, -1, 0, 0}},
      {45, {"透明标签_最小化", Kind::TransLabel, 0x16010008, 762, 8, 48, 16, false, H, -1, -1, 0, 0}},
      {46, {"透明标签_联系客服", Kind::TransLabel, 0x16010007, 669, 8, 77, 16, false, H, -1, -1, 0, 0}},
      {80, {"透明标签_女服饰", Kind::TransLabel, 0x160100A1, 106, 670, 104, 19, false, H, -1, -1, 0, 0}},
      {84, {"透明标签_下一页", Kind::TransLabel, 0x160100A6, 657, 670, 87, 19, false, H, -1, -1, 0, 0}},
      {85, {"透明标签_徽章", Kind::TransLabel, 0x160100A3, 331, 670, 90, 19, false, H, -1, -1, 0, 0}},
      {86, {"透明标签_道具", Kind::TransLabel, 0x160100A2, 224, 670, 90, 19, false, H, -1, -1, 0, 0}},
      {87, {"透明标签_上一页", Kind::TransLabel, 0x1601004A, 545, 670, 95, 19, false, H, -1, -1, 0, 0}},
      {88, {"透明标签_宠物", Kind::TransLabel, 0x16010049, 437, 670, 95, 19, false, H, -1, -1, 0, 0}},
  };
  return units;
}

// Runs of category controls in the unit order: first index, category, and the
// controls as written in the layout ("S2" strip 2, "B10" obtain button 10).
struct CategoryRun {
  int firstIndex;
  QString category;
  QString controls;
};

inline const std::vector<CategoryRun>& categoryRuns() {
  static const std::vector<CategoryRun> runs = {
      {8, "徽章", "S1 B1 B2 B3 B4 B5 S2 B10 B9 B8 B7 B6 B11 S3 B12 B13 B14 B15"},
      {26, "宠物", "S1 B1 B2 B3 B4 B5 S2 B10 B9 B8 B7 B6 B11 S3 B12 B13 B14 B15"},
      {47, "道具", "B11 B12 B13 B14 B15 S3 B9 B10 B8 B7 B6 S2 B1 S1 B2 B3 B4 B5"},
      {65, "女服饰", "B1 B2 B3 B4 B5 B10 B9 B8 B7 B6 B11 B12 B13 B14 B15"},
      {81, "女服饰", "S1 S2 S3"},
      {89, "男服饰", "B5 B10 B15 B4 B9 B14 B3 B8 B13 B2 B7 B12 B6 B1 B11 S1 S2 S3"},
  };
  return runs;
}

inline ExpectedUnit categoryControl(int category, const QString& token) {
  const bool isStrip = token.startsWith('S');
  const int number = token.mid(1).toInt();
  const QString& name = kCategories[category];
  if (isStrip) {
    static const int kTops[] = {3, 204, 406};
    return {"图片框_" + name + QString::number(number), Kind::PicBox, kCategoryIds[number - 1][category], 2,
            kTops[number - 1], 862, 168, true, PointerId::Default, category, category, number, number};
  }
  // Buttons 1-5 lie under row 1, 6-10 under row 2, 11-15 under row 3.
  static const int kLefts[] = {31, 208, 376, 552, 728};
  static const int kTops[] = {176, 378, 580};
  const int row = (number - 1) / 5 + 1;
  const int column = (number - 1) % 5 + 1;
  return {"图形按钮_" + name + "获取" + QString::number(number), Kind::PicBtn, kCategoryIds[2 + number][category],
          kLefts[column - 1], kTops[row - 1], 106, 22, true, PointerId::Hand, category, category, row, number};
}

// All 107 units of the main window in unit order.
inline std::vector<ExpectedUnit> mainWindowUnits() {
  std::vector<ExpectedUnit> units(107);
  std::vector<bool> filled(107, false);
  for (const PlacedUnit& placed : fixedUnits()) {
    units.at(placed.index) = placed.unit;
    filled.at(placed.index) = true;
  }
  for (const CategoryRun& run : categoryRuns()) {
    int index = run.firstIndex;
    for (const QString& token : run.controls.split(' ')) {
      units.at(index) = categoryControl(kCategories.indexOf(run.category), token);
      filled.at(index) = true;
      ++index;
    }
  }
  for (bool f : filled) {
    if (!f) throw std::logic_error("the expected unit order has a gap");
  }
  return units;
}

}  // namespace korvane::model::expected
