#include "tests/components/component_fixture.h"

#include "assets/asset_catalog.h"

namespace korvane::testing {
namespace {

class WindowTest : public ComponentTest {};

// ---- Placement ---------------------------------------------------------------------

struct CentringCase {
  const char* name;
  QSize screen;
  QPoint main, notice;
};

class Centring : public WindowTest, public ::testing::WithParamInterface<CentringCase> {};

TEST_P(Centring, BothWindowsOpenCentredWithoutClamping) {
  platform.setScreenSize(GetParam().screen);
  start();
  loadNotice();
  EXPECT_EQ(mainWindow().geometry(), QRect(GetParam().main, QSize(880, 720)));
  EXPECT_EQ(nativeOf(model::kNoticeWindowId).geometry(), QRect(GetParam().notice, QSize(392, 199)));
}

INSTANTIATE_TEST_SUITE_P(Cases, Centring,
                         ::testing::Values(CentringCase{"full_hd", {1920, 1080}, {520, 180}, {764, 440}},
                                           CentringCase{"xga", {1024, 768}, {72, 24}, {316, 284}},
                                           CentringCase{"wide", {1366, 768}, {243, 24}, {487, 284}},
                                           CentringCase{"svga", {800, 600}, {-40, -60}, {204, 200}},
                                           // Halves are truncated toward zero, also below zero.
                                           CentringCase{"one_pixel_short", {879, 719}, {0, 0}, {243, 260}},
                                           CentringCase{"two_pixels_short", {878, 718}, {-1, -1}, {243, 259}}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Faces ---------------------------------------------------------------------------

TEST_F(WindowTest, TheNoticeFaceIsDrawnOnceFromTheTopAndItsLastRowIsCut) {
  start();
  loadNotice();
  const QImage face = decodedAsset("notice_face");
  ASSERT_EQ(face.size(), QSize(392, 200));
  // Rows 198 and 199 differ, so a face shifted by a row would show.
  ASSERT_FALSE(matchesPicture(face, QRect(0, 198, 392, 1), face, QPoint(0, 199)));
  const QImage& shown = nativeOf(model::kNoticeWindowId).grab();
  ASSERT_EQ(shown.size(), QSize(392, 199));
  EXPECT_TRUE(matchesPicture(shown, shown.rect(), face));
}

// ---- Outline ----------------------------------------------------------------------------

constexpr QRgb kWhite = 0xFFFFFFFF, kRedPixel = 0xFFFF0000, kGreyPixel = 0xFF808080;

enum class Picture { ShapeMask, SmallSolid, Holes, AllWhite, RedKey, Empty, NoPicture };

struct OutlineCase {
  const char* name;
  Picture picture;
  bool keyRed;  // the transparent colour: red instead of the default white
  bool applied;
  std::vector<QRect> outline;
};

class Outline : public WindowTest, public ::testing::WithParamInterface<OutlineCase> {
 protected:
  QByteArray bytesOf(Picture picture) {
    switch (picture) {
      case Picture::ShapeMask: return assets::assetBytes("shape_mask");
      case Picture::SmallSolid: return gifPicture(5, 4, {kGreyPixel}, [](int, int) { return 0; });
      case Picture::Holes:
        // Row 0: grey, white, grey. Row 1: white, white, grey.
        return gifPicture(3, 2, {kGreyPixel, kWhite}, [](int x, int y) {
          return (y == 0 && x == 1) || (y == 1 && x < 2) ? 1 : 0;
        });
      case Picture::AllWhite: return gifPicture(6, 6, {kWhite}, [](int, int) { return 0; });
      case Picture::RedKey: return gifPicture(4, 1, {kRedPixel, kWhite}, [](int x, int) { return x < 2 ? 0 : 1; });
      case Picture::Empty: return {};
      case Picture::NoPicture: return QByteArrayLiteral("\xFF\xD8 not really a JPEG");
    }
    return {};
  }
};

// Each case starts from the outline of a 7 × 3 picture, so that a call that
// fails shows that it left the outline as it was.
TEST_P(Outline, CutsTheOutlineFromThePixelsThatAreNotTheTransparentColour) {
  start();
  ASSERT_TRUE(runtime->setOutlineFromPicture(kMain, gifPicture(7, 3, {kGreyPixel}, [](int, int) { return 0; })));
  std::optional<model::Colour> key;
  if (GetParam().keyRed) key = model::Colour::rgb(255, 0, 0);
  EXPECT_EQ(runtime->setOutlineFromPicture(kMain, bytesOf(GetParam().picture), key), GetParam().applied);
  QRegion expected;
  for (const QRect& rect : GetParam().outline) expected += rect;
  ASSERT_TRUE(mainWindow().outline().has_value());
  // Regions built row by row keep their rows apart, so compare the pixels.
  const QRegion difference = *mainWindow().outline() ^ expected;
  EXPECT_TRUE(difference.isEmpty()) << "differs in " << difference.rectCount() << " rectangles, within "
                                    << difference.boundingRect().x() << ", " << difference.boundingRect().y()
                                    << ", " << difference.boundingRect().width() << " x "
                                    << difference.boundingRect().height();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Outline,
    ::testing::Values(OutlineCase{"shape_mask_is_the_whole_window", Picture::ShapeMask, false, true, {{0, 0, 880, 720}}},
                      OutlineCase{"a_smaller_picture", Picture::SmallSolid, false, true, {{0, 0, 5, 4}}},
                      OutlineCase{"white_pixels_are_cut_out", Picture::Holes, false, true,
                                  {{0, 0, 1, 1}, {2, 0, 1, 2}}},
                      OutlineCase{"all_white_is_empty", Picture::AllWhite, false, true, {}},
                      OutlineCase{"another_transparent_colour", Picture::RedKey, true, true, {{2, 0, 2, 1}}},
                      OutlineCase{"empty_bytes_change_nothing", Picture::Empty, false, false, {{0, 0, 7, 3}}},
                      OutlineCase{"no_picture_changes_nothing", Picture::NoPicture, false, false, {{0, 0, 7, 3}}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Window state -----------------------------------------------------------------------

struct StateCase {
  const char* name;
  std::vector<std::pair<model::Role, int>> writes;
  platform::ShowState shown;
  int reads;
  QRect geometry;
};

class WindowState : public WindowTest, public ::testing::WithParamInterface<StateCase> {};

TEST_P(WindowState, WritesChangeTheStateWithValuesClamped) {
  start();
  for (const auto& [role, value] : GetParam().writes) write(model::kMainWindowUnitId, role, std::int32_t{value});
  EXPECT_EQ(mainWindow().showState(), GetParam().shown);
  EXPECT_EQ(read(model::kMainWindowUnitId, model::Role::WindowState), model::Value(std::int32_t{GetParam().reads}));
  EXPECT_EQ(mainWindow().geometry(), GetParam().geometry);
}

using model::Role;
using platform::ShowState;
const QRect kCentred(72, 24, 880, 720);
const QRect kScreen(0, 0, 1024, 768);

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowState,
    ::testing::Values(StateCase{"normal", {{Role::WindowState, 0}}, ShowState::Normal, 0, kCentred},
                      StateCase{"minimised", {{Role::WindowState, 2}}, ShowState::Minimized, 2, kCentred},
                      StateCase{"restored", {{Role::WindowState, 2}, {Role::WindowState, 0}}, ShowState::Normal, 0,
                                kCentred},
                      StateCase{"maximised", {{Role::WindowState, 3}}, ShowState::Maximized, 3, kScreen},
                      StateCase{"restored_after_maximised", {{Role::WindowState, 3}, {Role::WindowState, 0}},
                                ShowState::Normal, 0, kCentred},
                      StateCase{"centred_after_maximised", {{Role::WindowState, 3}, {Role::WindowState, 1}},
                                ShowState::Normal, 0, kCentred},
                      StateCase{"centred_again", {{Role::Left, 100}, {Role::Top, 90}, {Role::WindowState, 1}},
                                ShowState::Normal, 0, kCentred},
                      StateCase{"centred_from_minimised", {{Role::Left, 100}, {Role::WindowState, 2},
                                                           {Role::WindowState, 1}},
                                ShowState::Normal, 0, kCentred},
                      StateCase{"above_three_is_three", {{Role::WindowState, 7}}, ShowState::Maximized, 3, kScreen},
                      StateCase{"below_zero_is_zero", {{Role::WindowState, 2}, {Role::WindowState, -5}},
                                ShowState::Normal, 0, kCentred}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korvane::testing
