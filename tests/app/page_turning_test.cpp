#include "tests/app/showcase_fixture.h"

#include "app/build_constants.h"

#include <random>

namespace korvane::testing {
namespace {

using namespace model;

// What each category page shows: the asset of each strip (null: hidden) and
// how many obtain buttons, from the first, are visible.
struct PageRow {
  int category;
  int page;
  const char* strips[3];
  int visibleButtons;
};

const PageRow kPageTable[] = {
    {kMalePage, 1, {"male_p1_r1", "male_p1_r2", "male_p1_r3"}, 15},
    {kMalePage, 2, {"male_p2_r1", "male_p2_r2", "male_p2_r3"}, 15},
    {kMalePage, 3, {"male_p3_r1", "male_p3_r2", "male_p3_r3"}, 15},
    {kFemalePage, 1, {"female_p1_r1", "female_p1_r2", "female_p1_r3"}, 15},
    {kFemalePage, 2, {"female_p2_r1", "female_p2_r2", "female_p2_r3"}, 15},
    {kFemalePage, 3, {"female_p3_r1", "female_p3_r2", "female_p3_r3"}, 15},
    {kPropsPage, 1, {"props_p1_r1", "props_p1_r2", "props_p1_r3"}, 15},
    {kPropsPage, 2, {"props_p2_r1", nullptr, nullptr}, 5},
    {kBadgesPage, 1, {"badges_p1_r1", "badges_p1_r2", "badges_p1_r3"}, 15},
    {kBadgesPage, 2, {"badges_p2_r1", "badges_p2_r2", nullptr}, 10},
    {kPetsPage, 1, {"pets_p1_r1", "pets_p1_r2", "pets_p1_r3"}, 15},
    {kPetsPage, 2, {"pets_p2_r1", "pets_p2_r2", "pets_p2_r3"}, 15},
    {kPetsPage, 3, {"pets_p3_r1", nullptr, nullptr}, 5},
};

const PageRow& rowFor(int category, int page) {
  for (const PageRow& row : kPageTable) {
    if (row.category == category && row.page == page) return row;
  }
  throw std::out_of_range("no such page");
}

int pageCountOf(int category) {
  int count = 0;
  for (const PageRow& row : kPageTable) count += row.category == category;
  return count;
}

class PageTurningTest : public ShowcaseTest {
 protected:
  // The category shows the page-table row of its page, and its counter says so.
  void expectShowing(int category, int page) {
    SCOPED_TRACE("category " + std::to_string(category) + " page " + std::to_string(page));
    EXPECT_EQ(showcase->state().counter(category), page);
    const PageRow& row = rowFor(category, page);
    const CategoryControls& controls = categoryControls()[category];
    const bool current = currentPage() == category;
    const ControlStore& store = *runtime().store(kMainWindowId);
    for (int r = 0; r < 3; ++r) {
      const bool visible = row.strips[r] != nullptr;
      EXPECT_EQ(store.find(controls.strips[r])->visible, visible) << "strip " << r + 1;
      EXPECT_EQ(isShown(controls.strips[r]), visible && current) << "strip " << r + 1;
      if (visible) {
        EXPECT_EQ(stripAsset(controls.strips[r]), row.strips[r]) << "strip " << r + 1;
      }
    }
    for (int n = 0; n < kButtonsPerCategory; ++n) {
      const bool visible = n < row.visibleButtons;
      EXPECT_EQ(store.find(controls.buttons[n])->visible, visible) << "button " << n + 1;
      EXPECT_EQ(isShown(controls.buttons[n]), visible && current) << "button " << n + 1;
    }
  }

  // A snapshot of everything page turning can change.
  std::vector<std::string> snapshot() {
    std::vector<std::string> all;
    for (int category = 0; category < kCategoryCount; ++category) {
      all.push_back(std::to_string(showcase->state().counter(category)));
      for (UnitId strip : categoryControls()[category].strips) {
        all.push_back(stripAsset(strip) + (runtime().store(kMainWindowId)->find(strip)->visible ? "+" : "-"));
      }
      for (UnitId button : categoryControls()[category].buttons) {
        all.push_back(runtime().store(kMainWindowId)->find(button)->visible ? "+" : "-");
      }
    }
    return all;
  }
};

TEST_F(PageTurningTest, StartsWithEveryCategoryOnItsFirstPage) {
  for (int category = 0; category < kCategoryCount; ++category) expectShowing(category, 1);
}

// Next and previous in an order that reaches every page, runs past both ends
// and comes back.
TEST_F(PageTurningTest, EveryPathOfTurnsShowsThePageTableRowOfTheCounter) {
  for (int category = 0; category < kCategoryCount; ++category) {
    showCategory(category);
    const int pages = pageCountOf(category);
    int expected = 1;
    for (char turn : std::string("NNNNPPPPNPNNPNPPP")) {
      if (turn == 'N') {
        clickNext();
        expected = std::min(expected + 1, pages);
      } else {
        clickPrevious();
        expected = std::max(expected - 1, 1);
      }
      expectShowing(category, expected);
    }
  }
}

TEST_F(PageTurningTest, RandomWalksAgreeWithThePageTable) {
  std::mt19937 random(20261211);
  std::vector<int> expected(kCategoryCount, 1);
  for (int step = 0; step < 200; ++step) {
    const int choice = static_cast<int>(random() % 4);
    if (choice == 0) {
      showCategory(static_cast<int>(random() % kCategoryCount));
    } else {
      const int category = currentPage();
      const int pages = pageCountOf(category);
      if (choice == 1) {
        clickPrevious();
        expected[category] = std::max(expected[category] - 1, 1);
      } else {
        clickNext();
        expected[category] = std::min(expected[category] + 1, pages);
      }
    }
    for (int category = 0; category < kCategoryCount; ++category) expectShowing(category, expected[category]);
    if (HasFailure()) return;
  }
}

TEST_F(PageTurningTest, TurningOneCategoryLeavesTheOthersAlone) {
  clickNext();
  showCategory(kPetsPage);
  clickNext();
  clickNext();
  showCategory(kMalePage);
  expectShowing(kMalePage, 2);
  expectShowing(kPetsPage, 3);
  for (int category : {kFemalePage, kPropsPage, kBadgesPage}) expectShowing(category, 1);
}

TEST_F(PageTurningTest, TheRecordsPageIsNeverTurned) {
  clickNext();
  showCategory(kRecordsPage);
  const auto before = snapshot();
  clickNext();
  clickPrevious();
  clickPrevious();
  EXPECT_EQ(snapshot(), before);
  showCategory(kMalePage);
  expectShowing(kMalePage, 2);
}

TEST_F(PageTurningTest, PagesThatDoNotExistTurnNothing) {
  for (std::int32_t page : {-1, 6, 2147483647}) {
    runtime().writeProperty(kMainWindowId, kPageContainerId, Role::CurrentPage, page);
    EXPECT_EQ(currentPage(), kMalePage);
  }
  showcase->state().counter(kMalePage) = 7;  // a counter out of its range is ignored
  const auto before = snapshot();
  clickNext();
  clickPrevious();
  EXPECT_EQ(snapshot(), before);
}

TEST_F(PageTurningTest, ADoubleClickOnNextTurnsTwoPages) {
  doubleClickUnit(kMainWindowId, kNextPageHotAreaId);
  expectShowing(kMalePage, 3);
}

}  // namespace
}  // namespace korvane::testing
