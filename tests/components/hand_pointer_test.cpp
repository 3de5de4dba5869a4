#include "tests/components/component_fixture.h"

#include "ui/components/hand_pointer.h"
#include "ui/components/standard_kinds.h"

namespace korvane::testing {
namespace {

using components::handPointer;

TEST(HandPointer, IsA32By32TwoColourPointerWithItsHotSpotAt6And1) {
  const platform::PointerShape& hand = handPointer();
  ASSERT_EQ(hand.image.size(), QSize(32, 32));
  EXPECT_EQ(hand.hotSpot, QPoint(6, 1));
  int black = 0, white = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const QRgb p = hand.image.pixel(x, y);
      if (qAlpha(p) == 0) continue;
      ASSERT_EQ(qAlpha(p), 255) << x << ", " << y;
      if ((p & 0xFFFFFF) == 0) ++black;
      else if ((p & 0xFFFFFF) == 0xFFFFFF) ++white;
      else ADD_FAILURE() << "neither black nor white at " << x << ", " << y;
    }
  }
  EXPECT_GT(black, 0);
  EXPECT_GT(white, 0);
  // The hot spot lies on the finger, not in the transparent area around it.
  EXPECT_EQ(qAlpha(hand.image.pixel(hand.hotSpot)), 255);
  EXPECT_EQ(qAlpha(hand.image.pixel(6, 0)), 255);
}

TEST(HandPointer, IsTheOneTheStandardKindsRegister) {
  model::KindRegistry kinds;
  components::registerStandardKinds(kinds);
  EXPECT_EQ(kinds.handPointer(), &handPointer());
}

struct PointerCase {
  const char* name;
  int page;
  QPoint at;
  bool hand;
};

class PointerOver : public ComponentTest, public ::testing::WithParamInterface<PointerCase> {};

TEST_P(PointerOver, TheHandShowsOverHotAreasButtonsAndLinks) {
  start();
  showPage(GetParam().page);
  moveTo(GetParam().at);
  EXPECT_EQ(mainWindow().pointer(), GetParam().hand ? &handPointer() : nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PointerOver,
    ::testing::Values(PointerCase{"next_page_hot_area", 0, {700, 679}, true},
                      PointerCase{"male_hot_area_left_edge", 0, {8, 670}, true},
                      PointerCase{"left_of_the_male_hot_area", 0, {7, 670}, false},
                      PointerCase{"close_hot_area_corner", 0, {824, 8}, true},
                      PointerCase{"left_of_the_close_hot_area", 0, {823, 8}, false},
                      PointerCase{"obtain_button", 0, {90, 232}, true},
                      PointerCase{"title_website_link", 0, {470, 17}, true},
                      PointerCase{"title_service_link", 0, {170, 17}, true},
                      PointerCase{"item_strip", 0, {400, 120}, false},
                      PointerCase{"container_surface", 0, {17, 219}, false},
                      PointerCase{"bare_skin", 0, {3, 300}, false},
                      PointerCase{"records_text", 5, {430, 300}, false},
                      PointerCase{"records_website_link", 5, {430, 635}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComponentTest, TheArrowReturnsWhenThePointerLeavesAButton) {
  start();
  moveTo(QPoint(90, 232));
  ASSERT_EQ(mainWindow().pointer(), &handPointer());
  moveTo(QPoint(17, 219));
  EXPECT_EQ(mainWindow().pointer(), nullptr);
}

}  // namespace
}  // namespace korvane::testing
