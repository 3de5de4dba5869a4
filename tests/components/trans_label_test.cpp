#include "tests/components/component_fixture.h"

#include "ui/components/font_setting.h"
#include "ui/components/trans_label.h"

#include <QFontInfo>
#include <QGuiApplication>

namespace korvane::testing {
namespace {

using components::TransLabel;
using model::kRecordsTextId;

class TransLabelTest : public ComponentTest {
 protected:
  QRect labelRect() { return windowRectOf(kRecordsTextId); }
};

TEST_F(TransLabelTest, HotAreasAreInvisibleOverTheSkin) {
  start();
  const QImage skin = decodedAsset("skin");
  QRegion strips = QRegion(0, 0, 880, 46) + QRegion(0, 654, 880, 66);
  strips -= windowRectOf(model::kTitleWebsiteLinkId);
  strips -= windowRectOf(model::kTitleServiceLinkId);
  for (const QRect& rect : strips) EXPECT_TRUE(matchesPicture(grab(), rect, skin, rect.topLeft()));
}

TEST_F(TransLabelTest, TheRecordsTextIsGreyCentredAndStartsAtTheTop) {
  start();
  showPage(model::kRecordsPage);
  const QImage& image = grab();
  const QRect rect = labelRect();
  ASSERT_EQ(rect, QRect(127, 137, 616, 384));

  // Grey over black: every pixel is a shade between the two.
  bool fullGrey = false;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QRgb p = image.pixel(x, y);
      ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) <= 96) << x << ", " << y;
      fullGrey = fullGrey || qRed(p) == 96;
    }
  }
  EXPECT_TRUE(fullGrey);

  const QRect ink = inkBounds(image, rect, Qt::black);
  EXPECT_LE(std::abs(ink.center().x() - rect.center().x()), 2);
  EXPECT_LT(ink.top() - rect.top(), 12);
  // Five lines of text with blank lines between them.
  EXPECT_EQ(inkBands(image, rect, Qt::black), 5);
}

TEST_F(TransLabelTest, TheTextIsDrawnAgainOverAFreshSurface) {
  start();
  showPage(model::kRecordsPage);
  const QImage before = grab().copy();
  const int paints = mainWindow().paints();
  live().repaint(control(model::kPageContainerId));
  const QImage& after = grab();
  ASSERT_GT(mainWindow().paints(), paints);
  EXPECT_TRUE(matchesPicture(after, labelRect(), before, labelRect().topLeft()));
  EXPECT_EQ(inkBands(after, labelRect(), Qt::black), 5);
}

// ---- Layout ------------------------------------------------------------------------

enum class Place { Start, Centre, End };

struct LayoutCase {
  const char* name;
  const char* text;
  model::HorizontalAlignment horizontal;
  model::VerticalAlignment vertical;
  bool wordWrap;
  Place across, down;
  int minLines, maxLines;
};

class TextLayout : public TransLabelTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(TextLayout, FollowsTheAlignmentsAndTheWordWrap) {
  auto& settings = settingsOf<model::TransLabelSettings>(kRecordsTextId);
  settings.text = QString::fromUtf8(GetParam().text);
  settings.horizontal = GetParam().horizontal;
  settings.vertical = GetParam().vertical;
  settings.wordWrap = GetParam().wordWrap;
  start();
  showPage(model::kRecordsPage);
  const QRect rect = labelRect();
  const QRect ink = inkBounds(grab(), rect, Qt::black);
  ASSERT_FALSE(ink.isEmpty());

  const auto placed = [](Place place, int inkStart, int inkEnd, int start, int end, int margin) {
    switch (place) {
      case Place::Start: return inkStart - start < margin;
      case Place::Centre: return std::abs((inkStart + inkEnd) - (start + end)) <= 2 * margin;
      case Place::End: return end - inkEnd < margin;
    }
    return false;
  };
  EXPECT_TRUE(placed(GetParam().across, ink.left(), ink.right(), rect.left(), rect.right(), 4))
      << ink.left() << " to " << ink.right();
  EXPECT_TRUE(placed(GetParam().down, ink.top(), ink.bottom(), rect.top(), rect.bottom(), 12))
      << ink.top() << " to " << ink.bottom();
  const int lines = inkBands(grab(), rect, Qt::black);
  EXPECT_GE(lines, GetParam().minLines);
  EXPECT_LE(lines, GetParam().maxLines);
}

using H = model::HorizontalAlignment;
using V = model::VerticalAlignment;
constexpr const char* kWords =
    "alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu nu xi omicron pi rho sigma tau";

INSTANTIATE_TEST_SUITE_P(
    Cases, TextLayout,
    ::testing::Values(
        LayoutCase{"left_top", "藏品记录", H::Left, V::Top, false, Place::Start, Place::Start, 1, 1},
        LayoutCase{"right_bottom", "藏品记录", H::Right, V::Bottom, false, Place::End, Place::End, 1, 1},
        LayoutCase{"centred_centred", "藏品记录", H::Centred, V::Centred, false, Place::Centre, Place::Centre, 1, 1},
        LayoutCase{"wrapped_text_starts_at_the_top", "藏品记录", H::Right, V::Bottom, true, Place::End, Place::Start,
                   1, 1},
        LayoutCase{"wrapped_at_cr_lf", "上\r\n下", H::Left, V::Top, true, Place::Start, Place::Start, 2, 2},
        LayoutCase{"one_line_ignores_cr_lf", "上\r\n下", H::Left, V::Top, false, Place::Start, Place::Start, 1, 1},
        LayoutCase{"wrapped_between_words", kWords, H::Left, V::Top, true, Place::Start, Place::Start, 2, 4},
        LayoutCase{"one_line_of_words", kWords, H::Left, V::Top, false, Place::Start, Place::Start, 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Fonts -------------------------------------------------------------------------

struct FontCase {
  const char* name;
  const char* face;
  const char* family;  // null: the platform's default UI font
};

class FontChoice : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontChoice, SongFallsBackToASongStyleFace) {
  model::FontSetting setting;
  setting.face = QString::fromUtf8(GetParam().face);
  setting.height = setting.face.isEmpty() ? 0 : 24;
  const QFont font = components::toQFont(setting);
  if (!GetParam().family) {
    EXPECT_EQ(font, QGuiApplication::font());
    return;
  }
  const QFontInfo info(font);
  EXPECT_EQ(info.family(), QString::fromUtf8(GetParam().family));
  EXPECT_EQ(info.pixelSize(), 24);
  EXPECT_EQ(info.weight(), QFont::Normal);
}

INSTANTIATE_TEST_SUITE_P(Cases, FontChoice,
                         ::testing::Values(FontCase{"song_by_its_chinese_name", "宋体", "Noto Serif CJK SC"},
                                           FontCase{"song_by_its_latin_name", "SimSun", "Noto Serif CJK SC"},
                                           FontCase{"an_installed_face", "DejaVu Sans", "DejaVu Sans"},
                                           FontCase{"no_face", "", nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransLabelTest, TheRecordsTextUsesTheSongFaceAt24Pixels) {
  start();
  const QFontInfo info(controlAs<TransLabel>(kRecordsTextId).font());
  EXPECT_EQ(info.family(), QStringLiteral("Noto Serif CJK SC"));
  EXPECT_EQ(info.pixelSize(), 24);
}

// ---- The mouse -------------------------------------------------------------------------

struct HotCase {
  const char* name;
  QPoint at;
  std::vector<std::string> runs;
};

class HotArea : public TransLabelTest, public ::testing::WithParamInterface<HotCase> {};

// 透明标签_下一页 lies at (657, 670), 87 × 19.
TEST_P(HotArea, TakesTheMouseOverItsWholeRectangle) {
  start();
  click(GetParam().at);
  EXPECT_EQ(calls, GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(Cases, HotArea,
                         ::testing::Values(HotCase{"top_left_corner", {657, 670}, {"next_page"}},
                                           HotCase{"bottom_right_corner", {743, 688}, {"next_page"}},
                                           HotCase{"left_of_it", {656, 670}, {}},
                                           HotCase{"below_it", {743, 689}, {}},
                                           HotCase{"right_of_it", {744, 688}, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransLabelTest, TheRecordsTextTakesTheMouseButReactsToNothing) {
  start();
  showPage(model::kRecordsPage);
  platform.setSystemMoveAllowed(true);
  click(labelRect().center());
  EXPECT_EQ(mainWindow().systemMoves(), 0);
  EXPECT_EQ(live().captureHolder(), nullptr);
  EXPECT_TRUE(calls.empty());
}

}  // namespace
}  // namespace korvane::testing
