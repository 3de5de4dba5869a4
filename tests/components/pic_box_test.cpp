#include "tests/components/component_fixture.h"

#include "assets/asset_catalog.h"
#include "ui/components/colour.h"
#include "ui/components/pic_box.h"

namespace korvane::testing {
namespace {

using components::PicBox;

const model::UnitId kMaleStrip1 = model::categoryControls()[model::kMalePage].strips[0];
const model::UnitId kMaleStrip2 = model::categoryControls()[model::kMalePage].strips[1];
const model::UnitId kFemaleStrip1 = model::categoryControls()[model::kFemalePage].strips[0];

QColor buttonFace() { return components::toQColor(model::Colour::platformButtonFace()); }

class PicBoxTest : public ComponentTest {};

TEST_F(PicBoxTest, EveryStripShowsItsFirstPicture) {
  start();
  for (int category = 0; category < model::kCategoryCount; ++category) {
    showPage(category);
    for (int row = 1; row <= model::kStripsPerCategory; ++row) {
      const model::UnitId strip = model::categoryControls()[category].strips[row - 1];
      const std::string asset = model::stripAssetName(category, 1, row);
      EXPECT_TRUE(matchesPicture(grab(), windowRectOf(strip), decodedAsset(asset))) << asset;
    }
  }
}

// The strips are 862 wide from x = 2 in a container 856 wide.
TEST_F(PicBoxTest, TheContainerCutsOffAStripsRightmostEightPixels) {
  start();
  const QImage picture = decodedAsset("male_p1_r1");
  const QImage skin = decodedAsset("skin");
  const QRect shown = windowRectOf(kMaleStrip1);
  ASSERT_EQ(shown, QRect(9, 49, 854, 168));
  const QRect beyond(863, 49, 8, 168);
  ASSERT_FALSE(matchesPicture(skin, beyond, picture, QPoint(854, 0)));

  EXPECT_TRUE(matchesPicture(grab(), shown, picture));
  EXPECT_TRUE(matchesPicture(grab(), beyond, skin, beyond.topLeft()));
}

// ---- Writing the picture ------------------------------------------------------

enum class Bytes { Asset, Empty, NoPicture };

struct WriteCase {
  const char* name;
  Bytes bytes;
};

class WritePicture : public PicBoxTest, public ::testing::WithParamInterface<WriteCase> {
 protected:
  QByteArray bytesOf(Bytes bytes) {
    switch (bytes) {
      case Bytes::Asset: return assets::assetBytes("male_p2_r1");
      case Bytes::Empty: return {};
      case Bytes::NoPicture: return QByteArrayLiteral("GIF89a, but nothing after it");
    }
    return {};
  }
};

TEST_P(WritePicture, TheStripShowsTheNewPictureOrItsBackground) {
  start();
  const QByteArray bytes = bytesOf(GetParam().bytes);
  write(kMaleStrip1, model::Role::Picture, bytes);
  EXPECT_EQ(controlAs<PicBox>(kMaleStrip1).picture(), bytes);
  const QRect rect = windowRectOf(kMaleStrip1);
  if (GetParam().bytes == Bytes::Asset) {
    EXPECT_TRUE(matchesPicture(grab(), rect, decodedAsset("male_p2_r1")));
  } else {
    EXPECT_TRUE(filledWith(grab(), rect, buttonFace()));
  }
  // The neighbour keeps its own picture.
  EXPECT_TRUE(matchesPicture(grab(), windowRectOf(kMaleStrip2), decodedAsset("male_p1_r2")));
}

INSTANTIATE_TEST_SUITE_P(Cases, WritePicture,
                         ::testing::Values(WriteCase{"a_new_picture", Bytes::Asset},
                                           WriteCase{"empty_bytes", Bytes::Empty},
                                           WriteCase{"bytes_that_are_no_picture", Bytes::NoPicture}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PicBoxTest, APictureWrittenWhileOnAHiddenPageShowsWithThePage) {
  start();
  write(kFemaleStrip1, model::Role::Picture, assets::assetBytes("female_p3_r1"));
  showPage(model::kFemalePage);
  EXPECT_TRUE(matchesPicture(grab(), windowRectOf(kFemaleStrip1), decodedAsset("female_p3_r1")));
}

TEST_F(PicBoxTest, APictureWrittenWhileHiddenShowsWhenShownAgain) {
  start();
  write(kMaleStrip2, model::Role::Visible, false);
  write(kMaleStrip2, model::Role::Picture, assets::assetBytes("male_p3_r2"));
  write(kMaleStrip2, model::Role::Visible, true);
  EXPECT_TRUE(matchesPicture(grab(), windowRectOf(kMaleStrip2), decodedAsset("male_p3_r2")));
}

// ---- Stretched and centred --------------------------------------------------------

// Probes in the box's own coordinates, each with the colour it must show;
// an invalid colour stands for the background.
struct Probe {
  QPoint at;
  QColor colour;
};

struct LayoutCase {
  const char* name;
  bool centred;  // 女服饰 strips centre, the others stretch
  QSize picture;
  std::vector<Probe> probes;
};

// Four quadrants of distinct colours, whatever the picture's size.
const std::vector<QRgb> kQuadrants = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255), kYellow(255, 255, 0), kBackground;

class PictureLayout : public PicBoxTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(PictureLayout, ThePictureIsLaidOutByTheMode) {
  const QSize size = GetParam().picture;
  const model::UnitId strip = GetParam().centred ? kFemaleStrip1 : kMaleStrip1;
  start();
  showPage(GetParam().centred ? model::kFemalePage : model::kMalePage);
  write(strip, model::Role::Picture, gifPicture(size.width(), size.height(), kQuadrants, [&](int x, int y) {
          return (y >= size.height() / 2 ? 2 : 0) + (x >= size.width() / 2 ? 1 : 0);
        }));
  const QPoint origin = windowRectOf(strip).topLeft();
  for (const Probe& probe : GetParam().probes) {
    const QColor want = probe.colour.isValid() ? probe.colour : buttonFace();
    EXPECT_EQ(QColor(grab().pixel(origin + probe.at)), want) << "at " << probe.at.x() << ", " << probe.at.y();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PictureLayout,
    ::testing::Values(
        LayoutCase{"small_stretched_to_the_box",
                   false,
                   {2, 2},
                   {{{0, 0}, kRed}, {{430, 83}, kRed}, {{431, 83}, kGreen}, {{430, 84}, kBlue}, {{853, 167}, kYellow}}},
        LayoutCase{"small_centred_at_natural_size",
                   true,
                   {2, 2},
                   {{{430, 83}, kRed},
                    {{431, 83}, kGreen},
                    {{430, 84}, kBlue},
                    {{431, 84}, kYellow},
                    {{429, 83}, kBackground},
                    {{432, 84}, kBackground},
                    {{430, 82}, kBackground},
                    {{431, 85}, kBackground}}},
        // 1724 × 84 scales by one half to 862 × 42, from y = 63.
        LayoutCase{"wide_centred_scaled_to_fit",
                   true,
                   {1724, 84},
                   {{{0, 62}, kBackground},
                    {{0, 63}, kRed},
                    {{853, 63}, kGreen},
                    {{0, 104}, kBlue},
                    {{0, 105}, kBackground},
                    {{853, 105}, kBackground}}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Dragging the window ---------------------------------------------------------

struct DragCase {
  const char* name;
  QPoint press;
  int moves;
};

class DragSurface : public PicBoxTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DragSurface, OnlyTheFaceAndTheStripsDragTheWindow) {
  start();
  platform.setSystemMoveAllowed(true);
  press(GetParam().press);
  EXPECT_EQ(mainWindow().systemMoves(), GetParam().moves);
  EXPECT_TRUE(calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, DragSurface,
                         ::testing::Values(DragCase{"bare_skin", {3, 300}, 1},
                                           DragCase{"item_strip", {400, 120}, 1},
                                           DragCase{"obtain_button", {90, 232}, 0},
                                           DragCase{"container_surface", {17, 219}, 0},
                                           DragCase{"title_link", {470, 17}, 0},
                                           DragCase{"close_hot_area", {830, 12}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korvane::testing
