#include "tests/components/component_fixture.h"

#include "assets/asset_catalog.h"
#include "ui/components/pic_btn.h"

namespace korvane::testing {
namespace {

using components::PicBtn;
using platform::MouseAction;

const model::UnitId kButton1 = model::categoryControls()[model::kMalePage].buttons[0];
const model::UnitId kButton2 = model::categoryControls()[model::kMalePage].buttons[1];

// A point of the page container's black surface, between strip 1 and the
// first row of buttons.
constexpr QPoint kSurface(17, 219);

class PicBtnTest : public ComponentTest {
 protected:
  PicBtn& button1() { return controlAs<PicBtn>(kButton1); }
  QRect button1Rect() { return windowRectOf(kButton1); }
};

TEST_F(PicBtnTest, ShowsTheNormalHoverAndPressedFaces) {
  start();
  const QImage normal = decodedAsset("button_face_1");
  const QImage hover = decodedAsset("button_face_2");
  ASSERT_FALSE(matchesPicture(normal, normal.rect(), hover));
  const QRect rect = button1Rect();
  ASSERT_EQ(rect, QRect(38, 222, 106, 22));

  EXPECT_TRUE(matchesPicture(grab(), rect, normal));

  moveTo(rect.center());
  EXPECT_EQ(button1().state(), PicBtn::Hover);
  EXPECT_EQ(live().captureHolder(), &button1());
  EXPECT_TRUE(matchesPicture(grab(), rect, hover));

  press(rect.center());
  EXPECT_EQ(button1().state(), PicBtn::Pressed);
  EXPECT_TRUE(matchesPicture(grab(), rect, hover));

  // Held and dragged off, it looks normal but keeps the mouse.
  moveTo(kSurface);
  EXPECT_EQ(button1().state(), PicBtn::Normal);
  EXPECT_EQ(live().captureHolder(), &button1());
  EXPECT_TRUE(matchesPicture(grab(), rect, normal));

  release(kSurface);
  EXPECT_EQ(live().captureHolder(), nullptr);
  EXPECT_TRUE(calls.empty());
}

TEST_F(PicBtnTest, LeavingWithoutAButtonHeldReleasesTheMouse) {
  start();
  moveTo(button1Rect().center());
  ASSERT_EQ(live().captureHolder(), &button1());
  moveTo(kSurface);
  EXPECT_EQ(button1().state(), PicBtn::Normal);
  EXPECT_EQ(live().captureHolder(), nullptr);
  EXPECT_TRUE(matchesPicture(grab(), button1Rect(), decodedAsset("button_face_1")));
}

TEST_F(PicBtnTest, AfterAClickTheFaceIsNormalUntilThePointerMoves) {
  start();
  const QPoint inside = button1Rect().center();
  click(inside);
  ASSERT_EQ(calls, std::vector<std::string>{"obtain"});
  EXPECT_EQ(button1().state(), PicBtn::Normal);
  EXPECT_TRUE(matchesPicture(grab(), button1Rect(), decodedAsset("button_face_1")));

  moveTo(inside + QPoint(1, 0));
  EXPECT_EQ(button1().state(), PicBtn::Hover);
  EXPECT_TRUE(matchesPicture(grab(), button1Rect(), decodedAsset("button_face_2")));
}

// A release outside that comes without a move before it still leaves the
// button looking normal, since it hears nothing more once it lets go.
TEST_F(PicBtnTest, AReleaseOutsideWithoutAMoveLeavesTheNormalFace) {
  start();
  moveTo(button1Rect().center());
  press(button1Rect().center());
  release(kSurface);
  EXPECT_EQ(button1().state(), PicBtn::Normal);
  EXPECT_EQ(live().captureHolder(), nullptr);
  EXPECT_TRUE(matchesPicture(grab(), button1Rect(), decodedAsset("button_face_1")));
  EXPECT_TRUE(calls.empty());
}

// ---- What makes a click ------------------------------------------------------

enum class Where { Inside, RightEdge, PastRightEdge, Surface, OtherButton };

struct Step {
  MouseAction action;
  Where where;
};

struct ClickCase {
  const char* name;
  std::vector<Step> steps;
  int clicks;
};

class ClickRule : public PicBtnTest, public ::testing::WithParamInterface<ClickCase> {
 protected:
  QPoint pointOf(Where where) {
    const QRect rect = button1Rect();
    switch (where) {
      case Where::Inside: return rect.center();
      case Where::RightEdge: return QPoint(rect.right(), rect.center().y());
      case Where::PastRightEdge: return QPoint(rect.right() + 1, rect.center().y());
      case Where::Surface: return kSurface;
      case Where::OtherButton: return windowRectOf(kButton2).center();
    }
    return {};
  }
};

TEST_P(ClickRule, ClickedIsRaisedOnAReleaseInsideTheButton) {
  start();
  for (const Step& step : GetParam().steps) platform.mouse(mainWindow(), step.action, pointOf(step.where));
  platform.processEvents();
  EXPECT_EQ(calls, std::vector<std::string>(GetParam().clicks, "obtain"));
  EXPECT_EQ(live().captureHolder(), nullptr);
}

constexpr auto M = MouseAction::Move;
constexpr auto P = MouseAction::Press;
constexpr auto R = MouseAction::Release;
constexpr auto D = MouseAction::DoubleClick;

INSTANTIATE_TEST_SUITE_P(
    Cases, ClickRule,
    ::testing::Values(
        ClickCase{"press_and_release_inside", {{M, Where::Inside}, {P, Where::Inside}, {R, Where::Inside}}, 1},
        ClickCase{"released_on_the_right_edge",
                  {{M, Where::Inside}, {P, Where::Inside}, {M, Where::RightEdge}, {R, Where::RightEdge}}, 1},
        ClickCase{"released_just_past_the_right_edge",
                  {{M, Where::Inside}, {P, Where::Inside}, {M, Where::PastRightEdge}, {R, Where::PastRightEdge}}, 0},
        ClickCase{"pressed_on_the_surface_released_inside",
                  {{M, Where::Surface}, {P, Where::Surface}, {M, Where::Inside}, {R, Where::Inside}}, 1},
        ClickCase{"pressed_inside_released_on_the_surface",
                  {{M, Where::Inside}, {P, Where::Inside}, {M, Where::Surface}, {R, Where::Surface}}, 0},
        ClickCase{"dragged_off_and_back_while_held",
                  {{M, Where::Inside}, {P, Where::Inside}, {M, Where::Surface}, {M, Where::Inside}, {R, Where::Inside}},
                  1},
        ClickCase{"a_release_without_a_press", {{M, Where::Inside}, {R, Where::Inside}}, 1},
        ClickCase{"pressed_on_another_button_released_here",
                  {{M, Where::OtherButton}, {P, Where::OtherButton}, {M, Where::Inside}, {R, Where::Inside}}, 0},
        ClickCase{"double_click",
                  {{M, Where::Inside}, {P, Where::Inside}, {R, Where::Inside}, {D, Where::Inside}, {R, Where::Inside}},
                  2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PicBtnTest, TheSecondPressOfADoubleClickChangesNoState) {
  start();
  const QPoint inside = button1Rect().center();
  click(inside);
  ASSERT_EQ(button1().state(), PicBtn::Normal);
  platform.mouse(mainWindow(), D, inside);
  platform.processEvents();
  EXPECT_EQ(button1().state(), PicBtn::Normal);
  EXPECT_EQ(live().captureHolder(), nullptr);
  release(inside);
  EXPECT_EQ(calls, (std::vector<std::string>{"obtain", "obtain"}));
}

TEST_F(PicBtnTest, ADisabledButtonChangesNoStateAndRaisesNothing) {
  start();
  write(kButton1, model::Role::Disabled, true);
  const QPoint inside = button1Rect().center();
  moveTo(inside);
  press(inside);
  EXPECT_EQ(button1().state(), PicBtn::Normal);
  release(inside);
  doubleClick(inside);
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(live().captureHolder(), nullptr);
  EXPECT_TRUE(matchesPicture(grab(), button1Rect(), decodedAsset("button_face_1")));
}

// ---- The face of a disabled button ------------------------------------------------

struct DisabledFaceCase {
  const char* name;
  bool hasDisabledPicture;
  bool disabled;
  const char* shows;
};

class DisabledFace : public PicBtnTest, public ::testing::WithParamInterface<DisabledFaceCase> {};

TEST_P(DisabledFace, TheDisabledPictureShowsOnlyWhileDisabled) {
  // button_face_2 stands in for a disabled picture of its own.
  if (GetParam().hasDisabledPicture) {
    settingsOf<model::PicBtnSettings>(kButton1).disabledPicture = assets::assetBytes("button_face_2");
  }
  start();
  write(kButton1, model::Role::Disabled, GetParam().disabled);
  EXPECT_TRUE(matchesPicture(grab(), button1Rect(), decodedAsset(GetParam().shows)));
}

INSTANTIATE_TEST_SUITE_P(Cases, DisabledFace,
                         ::testing::Values(DisabledFaceCase{"disabled_with_picture", true, true, "button_face_2"},
                                           DisabledFaceCase{"enabled_with_picture", true, false, "button_face_1"},
                                           DisabledFaceCase{"disabled_without_picture", false, true,
                                                            "button_face_1"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Faces of other sizes ------------------------------------------------------------

TEST_F(PicBtnTest, ASmallerFaceStandsOnBlackAndALargerOneIsClippedNotScaled) {
  auto& large = settingsOf<model::PicBtnSettings>(kButton2);
  large.normalPicture = assets::assetBytes("male_p1_r1");
  mainUnit(kButton1).width = 120;
  mainUnit(kButton1).height = 30;
  start();

  const QRect smallRect = windowRectOf(kButton1);
  ASSERT_EQ(smallRect.size(), QSize(120, 30));
  EXPECT_TRUE(matchesPicture(grab(), QRect(smallRect.topLeft(), QSize(106, 22)), decodedAsset("button_face_1")));
  EXPECT_TRUE(filledWith(grab(), QRect(smallRect.left() + 106, smallRect.top(), 14, 30), Qt::black));
  EXPECT_TRUE(filledWith(grab(), QRect(smallRect.left(), smallRect.top() + 22, 120, 8), Qt::black));

  EXPECT_TRUE(matchesPicture(grab(), windowRectOf(kButton2), decodedAsset("male_p1_r1")));
}

}  // namespace
}  // namespace korvane::testing
