#include "tests/model/model_fixture.h"

#include "ui/model/live_window.h"

namespace korvane::testing {
namespace {

using namespace model;
using platform::MouseAction;

// Where the left button goes down and where it comes up, and which handler
// the release runs. No control of the fixture holds the capture, so the
// release belongs to whatever lies under the pointer.
struct ReleaseCase {
  const char* name;
  QPoint press;
  QPoint release;
  std::vector<std::string> runs;
};

class ReleaseRouting : public ModelTest, public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(ReleaseRouting, TheReleaseGoesToTheUnitUnderThePointer) {
  ASSERT_TRUE(load(kWindowA));
  calls.clear();
  auto& window = nativeOf(kWindowA);
  platform.moveTo(window, GetParam().press);
  platform.press(window, GetParam().press);
  platform.moveTo(window, GetParam().release);
  platform.release(window, GetParam().release);
  platform.processEvents();
  EXPECT_EQ(calls, GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReleaseRouting,
    ::testing::Values(ReleaseCase{"same_hot_area", {15, 15}, {15, 15}, {"hot1"}},
                      ReleaseCase{"from_other_hot_area", {45, 15}, {15, 15}, {"hot1"}},
                      ReleaseCase{"from_the_container_surface", {150, 60}, {15, 15}, {"hot1"}},
                      ReleaseCase{"pressed_on_hot_area_released_outside", {15, 15}, {150, 60}, {}},
                      ReleaseCase{"just_inside_the_right_edge", {29, 15}, {29, 15}, {"hot1"}},
                      ReleaseCase{"just_outside_the_right_edge", {30, 15}, {30, 15}, {}},
                      ReleaseCase{"unbound_label", {105, 15}, {105, 15}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModelTest, ADoubleClickOnAHotAreaRaisesTwoReleases) {
  ASSERT_TRUE(load(kWindowA));
  calls.clear();
  platform.doubleClick(nativeOf(kWindowA), QPoint(15, 15));
  platform.processEvents();
  EXPECT_EQ(calls, (std::vector<std::string>{"hot1", "hot1"}));
}

TEST_F(ModelTest, APressOnTheFaceStartsASystemMoveAndRaisesNothing) {
  ASSERT_TRUE(load(kWindowA));
  platform.setSystemMoveAllowed(true);
  calls.clear();
  platform.press(nativeOf(kWindowA), QPoint(150, 5));
  platform.processEvents();
  EXPECT_EQ(nativeOf(kWindowA).systemMoves(), 1);
  EXPECT_TRUE(calls.empty());
}

TEST_F(ModelTest, WhereTheSystemRefusesTheWindowFollowsThePointerItself) {
  ASSERT_TRUE(load(kWindowA));
  platform.setSystemMoveAllowed(false);
  auto& window = nativeOf(kWindowA);
  const QPoint start = window.geometry().topLeft();
  platform.press(window, QPoint(40, 35));  // on the strip, a drag surface
  platform.mouse(window, MouseAction::Move, QPoint(60, 45), platform::NoButton);
  platform.release(window, QPoint(60, 45));
  platform.processEvents();
  EXPECT_EQ(window.geometry().topLeft(), start + QPoint(20, 10));
  for (const auto& [unit, action] : log.mouse) EXPECT_NE(unit, kStrip);
}

struct DragCase {
  const char* name;
  QPoint press;
  bool drags;
};

class DragSurfaces : public ModelTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DragSurfaces, OnlyTheFaceAndDragSurfacesMoveTheWindow) {
  ASSERT_TRUE(load(kWindowA));
  platform.setSystemMoveAllowed(true);
  platform.press(nativeOf(kWindowA), GetParam().press);
  platform.processEvents();
  EXPECT_EQ(nativeOf(kWindowA).systemMoves(), GetParam().drags ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, DragSurfaces,
                         ::testing::Values(DragCase{"face", {150, 5}, true}, DragCase{"strip", {40, 35}, true},
                                           DragCase{"hot_area", {15, 15}, false},
                                           DragCase{"button", {75, 35}, false},
                                           DragCase{"container_surface", {150, 60}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModelTest, AWindowWithoutMoveAnywhereIsNotDragged) {
  ASSERT_TRUE(load(kWindowB));
  platform.setSystemMoveAllowed(true);
  platform.press(nativeOf(kWindowB), QPoint(80, 40));
  platform.processEvents();
  EXPECT_EQ(nativeOf(kWindowB).systemMoves(), 0);
}

TEST_F(ModelTest, AnEventWithNoBindingRunsNothing) {
  ASSERT_TRUE(load(kWindowB));
  calls.clear();
  runtime->raiseEvent(kWindowB, kHotB, Event::Clicked, {});
  runtime->raiseEvent(kWindowB, kWindowBUnit, Event::Created, {});
  EXPECT_TRUE(calls.empty());
}

TEST_F(ModelTest, ABindingToAnUnregisteredHandlerIsALoudError) {
  HandlerRegistry none;
  Runtime bare(platform, kinds, none, fixtureDefinitions());
  EXPECT_THROW(bare.loadWindow(kWindowA, std::nullopt, false), std::logic_error);
}

TEST_F(ModelTest, ThePointerShowsTheHandOnlyWhereAUnitAsksForIt) {
  platform::PointerShape hand{"hand", QImage(32, 32, QImage::Format_ARGB32), QPoint(6, 1)};
  kinds.setHandPointer(&hand);
  ASSERT_TRUE(load(kWindowA));
  platform.moveTo(nativeOf(kWindowA), QPoint(15, 15));
  platform.processEvents();
  EXPECT_EQ(nativeOf(kWindowA).pointer(), &hand);
  platform.moveTo(nativeOf(kWindowA), QPoint(45, 15));
  platform.processEvents();
  EXPECT_EQ(nativeOf(kWindowA).pointer(), nullptr);
}

}  // namespace
}  // namespace korvane::testing
