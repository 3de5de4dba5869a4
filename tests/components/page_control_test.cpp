#include "tests/components/component_fixture.h"

#include "ui/components/page_control.h"

#include <set>

namespace korvane::testing {
namespace {

using components::PageControl;
using model::kPageContainerId;

const model::UnitId kMaleStrip1 = model::categoryControls()[model::kMalePage].strips[0];
const model::UnitId kMaleStrip2 = model::categoryControls()[model::kMalePage].strips[1];
const model::UnitId kFemaleStrip1 = model::categoryControls()[model::kFemalePage].strips[0];

// The container's rectangle in the main window, (7, 46)–(862, 653).
const QRect kContainer(QPoint(7, 46), QPoint(862, 653));

class PageControlTest : public ComponentTest {
 protected:
  PageControl& container() { return controlAs<PageControl>(kPageContainerId); }
  std::vector<std::vector<model::UnitId>> pages() {
    return model::pagesOf(runtime->store(kMain)->find(kPageContainerId)->pageList);
  }
  // Every control of the shown page reads visible, every other one not.
  ::testing::AssertionResult onlyPageShown(int shown) {
    const auto all = pages();
    for (int page = 0; page < static_cast<int>(all.size()); ++page) {
      for (model::UnitId id : all[page]) {
        if (std::get<bool>(read(id, model::Role::Visible)) != (page == shown)) {
          return ::testing::AssertionFailure() << "control " << std::hex << id << " of page " << std::dec << page;
        }
      }
    }
    return ::testing::AssertionSuccess();
  }
};

TEST_F(PageControlTest, AfterLoadingTheFirstPageIsCurrentAndAloneShown) {
  start();
  EXPECT_EQ(read(kPageContainerId, model::Role::CurrentPage), model::Value(std::int32_t{0}));
  EXPECT_EQ(container().pageCount(), 6);
  ASSERT_EQ(pages().front().size(), 18u);
  EXPECT_TRUE(onlyPageShown(0));
}

// ---- Selecting a page ------------------------------------------------------------

struct SelectCase {
  const char* name;
  std::vector<int> writes;
  int current;
  std::vector<std::string> events;
};

class SelectPage : public PageControlTest, public ::testing::WithParamInterface<SelectCase> {};

TEST_P(SelectPage, OnlyAnotherSelectablePageChangesThePage) {
  bind(kPageContainerId, model::Event::PageAboutToChange, "about");
  bind(kPageContainerId, model::Event::PageChanged, "changed");
  start();
  for (int page : GetParam().writes) showPage(page);
  EXPECT_EQ(read(kPageContainerId, model::Role::CurrentPage), model::Value(std::int32_t{GetParam().current}));
  EXPECT_EQ(calls, GetParam().events);
  EXPECT_TRUE(onlyPageShown(GetParam().current));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SelectPage,
    ::testing::Values(SelectCase{"minus_one", {-1}, 0, {}},
                      SelectCase{"six", {6}, 0, {}},
                      SelectCase{"the_current_page", {0}, 0, {}},
                      SelectCase{"the_next_page", {1}, 1, {"about:1", "changed:1"}},
                      SelectCase{"the_same_page_twice", {1, 1}, 1, {"about:1", "changed:1"}},
                      SelectCase{"the_records_page", {5}, 5, {"about:5", "changed:5"}},
                      SelectCase{"past_the_end_after_a_change", {2, 6}, 2, {"about:2", "changed:2"}},
                      SelectCase{"there_and_back", {3, 0}, 0, {"about:3", "changed:3", "about:0", "changed:0"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PageControlTest, AboutToChangeComesBeforeTheChangeAndChangedAfterIt) {
  bind(kPageContainerId, model::Event::PageAboutToChange, "about");
  bind(kPageContainerId, model::Event::PageChanged, "changed");
  start();
  std::vector<std::string> seen;
  onCall = [&](const std::string& call) {
    const auto current = std::get<std::int32_t>(read(kPageContainerId, model::Role::CurrentPage));
    const bool maleShown = std::get<bool>(read(kMaleStrip1, model::Role::Visible));
    const bool femaleShown = std::get<bool>(read(kFemaleStrip1, model::Role::Visible));
    seen.push_back(call + " current " + std::to_string(current) + (maleShown ? " male" : "") +
                   (femaleShown ? " female" : ""));
  };
  showPage(model::kFemalePage);
  EXPECT_EQ(seen, (std::vector<std::string>{"about:1 current 0 male", "changed:1 current 1 female"}));
}

TEST_F(PageControlTest, AControlHiddenByTheLogicStaysHiddenWhenItsPageReturns) {
  start();
  write(kMaleStrip2, model::Role::Visible, false);
  showPage(model::kFemalePage);
  showPage(model::kMalePage);
  EXPECT_FALSE(std::get<bool>(read(kMaleStrip2, model::Role::Visible)));
  EXPECT_TRUE(std::get<bool>(read(kMaleStrip1, model::Role::Visible)));
}

// ---- Pages that cannot be selected --------------------------------------------------

struct UnselectableCase {
  const char* name;
  int page;
  bool visible;
  bool enabled;
  int write;     // -1: none
  int current;
};

class UnselectablePage : public PageControlTest, public ::testing::WithParamInterface<UnselectableCase> {};

TEST_P(UnselectablePage, IsNeverMadeCurrent) {
  bind(kPageContainerId, model::Event::PageChanged, "changed");
  auto& page = settingsOf<model::PageControlSettings>(kPageContainerId).pages.at(GetParam().page);
  page.visible = GetParam().visible;
  page.enabled = GetParam().enabled;
  start();
  if (GetParam().write >= 0) showPage(GetParam().write);
  EXPECT_EQ(container().currentPage(), GetParam().current);
  EXPECT_TRUE(onlyPageShown(GetParam().current));
}

INSTANTIATE_TEST_SUITE_P(Cases, UnselectablePage,
                         ::testing::Values(UnselectableCase{"disabled_page", 2, true, false, 2, 0},
                                           UnselectableCase{"invisible_page", 3, false, true, 3, 0},
                                           UnselectableCase{"a_selectable_neighbour", 3, false, true, 4, 4},
                                           UnselectableCase{"disabled_initial_page", 0, true, false, -1, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The surface ----------------------------------------------------------------

TEST_F(PageControlTest, TheContainerIsBlackWhereNoControlLiesOnEveryPage) {
  start();
  const QImage skin = decodedAsset("skin");
  ASSERT_FALSE(filledWith(skin, kContainer, Qt::black));
  for (int page = 0; page < model::kPageCount; ++page) {
    showPage(page);
    const QImage& image = grab();
    QRegion bare(kContainer);
    for (const model::LiveControl* child : container().children) {
      if (child->shown) bare -= windowRectOf(child->id());
    }
    for (const QRect& rect : bare) EXPECT_TRUE(filledWith(image, rect, Qt::black)) << "page " << page;
  }
}

struct SurfaceCase {
  const char* name;
  model::Colour background, page, frame;
  std::optional<model::Colour> pageOwn;
  QColor edge, inside;
};

class Surface : public PageControlTest, public ::testing::WithParamInterface<SurfaceCase> {};

TEST_P(Surface, AFrameAlongTheEdgeAroundThePageColour) {
  auto& settings = settingsOf<model::PageControlSettings>(kPageContainerId);
  settings.background = GetParam().background;
  settings.pageColour = GetParam().page;
  settings.frameColour = GetParam().frame;
  settings.pages[0].colour = GetParam().pageOwn;
  start();
  const QImage& image = grab();
  for (QPoint edge : {kContainer.topLeft(), kContainer.bottomRight(), QPoint(300, 46), QPoint(7, 300)}) {
    EXPECT_EQ(QColor(image.pixel(edge)), GetParam().edge) << edge.x() << ", " << edge.y();
  }
  for (QPoint inside : {kContainer.topLeft() + QPoint(1, 1), kContainer.bottomRight() - QPoint(1, 1),
                        QPoint(17, 219)}) {
    EXPECT_EQ(QColor(image.pixel(inside)), GetParam().inside) << inside.x() << ", " << inside.y();
  }
}

using model::Colour;

INSTANTIATE_TEST_SUITE_P(
    Cases, Surface,
    ::testing::Values(SurfaceCase{"all_black", Colour::rgb(0, 0, 0), Colour::rgb(0, 0, 0), Colour::rgb(0, 0, 0),
                                  std::nullopt, QColor(0, 0, 0), QColor(0, 0, 0)},
                      SurfaceCase{"frame_and_page_colours", Colour::rgb(255, 0, 0), Colour::rgb(0, 255, 0),
                                  Colour::rgb(0, 0, 255), std::nullopt, QColor(0, 0, 255), QColor(0, 255, 0)},
                      SurfaceCase{"the_page_colour_of_its_own", Colour::rgb(255, 0, 0), Colour::rgb(0, 255, 0),
                                  Colour::rgb(0, 0, 255), Colour::rgb(255, 255, 0), QColor(0, 0, 255),
                                  QColor(255, 255, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PageControlTest, ThePageColourFollowsTheCurrentPage) {
  settingsOf<model::PageControlSettings>(kPageContainerId).pages[5].colour = Colour::rgb(0, 0, 128);
  start();
  showPage(model::kRecordsPage);
  EXPECT_EQ(QColor(grab().pixel(17, 219)), QColor(0, 0, 128));
  showPage(model::kMalePage);
  EXPECT_EQ(QColor(grab().pixel(17, 219)), QColor(0, 0, 0));
}

TEST_F(PageControlTest, APressOnTheSurfaceTakesNothing) {
  start();
  platform.setSystemMoveAllowed(true);
  press(QPoint(17, 219));
  EXPECT_EQ(live().captureHolder(), nullptr);
  EXPECT_EQ(mainWindow().systemMoves(), 0);
  release(QPoint(17, 219));
  EXPECT_TRUE(calls.empty());
}

}  // namespace
}  // namespace korvane::testing
