#include "tests/app/showcase_fixture.h"

#include "app/build_constants.h"
#include "ui/model/live_window.h"

namespace korvane::testing {
namespace {

using namespace model;

class NavigationTest : public ShowcaseTest {
 protected:
  UnitId obtainButton(int category, int n) { return categoryControls()[category].buttons[n - 1]; }
  bool mainEnabled() { return mainWindow()->inputEnabled(); }

  // Clicks an obtain button and, inside the notice window's modal loop, runs
  // the steps given, one after the other, each when the one before is done.
  void withNoticeOpen(int category, int n, std::vector<std::function<void()>> steps) {
    auto remaining = std::make_shared<std::vector<std::function<void()>>>(std::move(steps));
    platform.setIdleHandler([this, remaining] {
      if (remaining->empty()) return false;
      auto step = remaining->front();
      remaining->erase(remaining->begin());
      platform.post(step);
      return true;
    });
    clickUnit(kMainWindowId, obtainButton(category, n));
    platform.setIdleHandler({});
  }

  void clickInNotice(QPoint pos) {
    platform.click(*noticeWindow(), pos);
  }
};

TEST_F(NavigationTest, CategoryHotAreasShowTheirPages) {
  for (int page : {1, 2, 3, 4, 5, 0, 0}) {
    showCategory(page);
    EXPECT_EQ(currentPage(), page);
  }
}

TEST_F(NavigationTest, AfterLoadOnlyTheFirstCategorysControlsAreShown) {
  EXPECT_EQ(currentPage(), kMalePage);
  LiveWindow& live = *runtime().liveWindow(kMainWindowId);
  int shownInContainer = 0;
  for (LiveControl* child : live.control(kPageContainerId)->children) shownInContainer += child->shown;
  EXPECT_EQ(shownInContainer, 18);
  for (UnitId id : categoryControls()[kMalePage].buttons) EXPECT_TRUE(isShown(id));
  for (UnitId id : categoryControls()[kFemalePage].strips) EXPECT_FALSE(isShown(id));
}

TEST_F(NavigationTest, TheRecordsPageShowsItsTextAndLink) {
  showCategory(kRecordsPage);
  EXPECT_TRUE(isShown(kRecordsTextId));
  EXPECT_TRUE(isShown(kRecordsWebsiteLinkId));
  for (int category = 0; category < kCategoryCount; ++category) {
    for (UnitId id : categoryControls()[category].strips) EXPECT_FALSE(isShown(id));
  }
}

TEST_F(NavigationTest, TheContactHotAreaOpensExactlyTheChatUrl) {
  clickUnit(kMainWindowId, kContactHotAreaId);
  ASSERT_EQ(platform.openedUrls().size(), 1u);
  EXPECT_EQ(platform.openedUrls()[0], QString("tencent://Message/?Uin=") + app::kServiceAccount);
}

TEST_F(NavigationTest, MinimisingKeepsEverythingAsItWas) {
  clickNext();
  clickUnit(kMainWindowId, kMinimiseHotAreaId);
  EXPECT_EQ(mainWindow()->showState(), platform::ShowState::Minimized);
  mainWindow()->setShowState(platform::ShowState::Normal);  // the user restores it from the taskbar
  EXPECT_EQ(currentPage(), kMalePage);
  EXPECT_EQ(showcase->state().counter(kMalePage), 2);
  EXPECT_EQ(stripAsset(categoryControls()[kMalePage].strips[0]), "male_p2_r1");
}

TEST_F(NavigationTest, TheNoticeWindowIsModalAndLeavesTheMainWindowAsItWas) {
  clickNext();
  for (int cycle = 0; cycle < 2; ++cycle) {
    SCOPED_TRACE(cycle);
    bool disabledWhileOpen = false;
    withNoticeOpen(kMalePage, 12,
                   {[&] {
                      disabledWhileOpen = !mainEnabled() && noticeWindow() &&
                                          noticeWindow()->geometry() == QRect(316, 284, 392, 199);
                      platform.click(*mainWindow(), windowRectOf(kMainWindowId, kNextPageHotAreaId).center());
                      platform.click(*mainWindow(), windowRectOf(kMainWindowId, kCloseHotAreaId).center());
                    },
                    [&] { clickInNotice(windowRectOf(kNoticeWindowId, kConfirmHotAreaId).center()); }});
    EXPECT_TRUE(disabledWhileOpen);
    EXPECT_FALSE(runtime().isOpen(kNoticeWindowId));
    EXPECT_TRUE(runtime().isOpen(kMainWindowId));
    EXPECT_TRUE(mainEnabled());
    EXPECT_EQ(showcase->state().counter(kMalePage), 2);
    EXPECT_EQ(stripAsset(categoryControls()[kMalePage].strips[0]), "male_p2_r1");
  }
  clickNext();
  EXPECT_EQ(showcase->state().counter(kMalePage), 3);
}

TEST_F(NavigationTest, EscAndTheCloseRequestEndTheNoticeWindowTheSameWay) {
  for (bool byEsc : {true, false}) {
    withNoticeOpen(kMalePage, 1, {[&] {
                     if (byEsc) {
                       platform.key(*noticeWindow(), platform::Key::Escape);
                     } else {
                       platform.requestClose(*noticeWindow());
                     }
                   }});
    EXPECT_FALSE(runtime().isOpen(kNoticeWindowId));
    EXPECT_TRUE(mainEnabled());
  }
}

TEST_F(NavigationTest, AReleaseOutsideTheNoticeButtonLeavesItOpen) {
  bool stillOpen = false;
  withNoticeOpen(kMalePage, 1, {[&] { clickInNotice(QPoint(20, 20)); },
                                [&] {
                                  stillOpen = runtime().isOpen(kNoticeWindowId);
                                  clickInNotice(windowRectOf(kNoticeWindowId, kConfirmHotAreaId).center());
                                }});
  EXPECT_TRUE(stillOpen);
}

TEST_F(NavigationTest, ReopeningTheNoticeWindowStartsFromItsDefinition) {
  QRect firstPlace;
  withNoticeOpen(kMalePage, 1, {[&] {
                   firstPlace = windowRectOf(kNoticeWindowId, kConfirmHotAreaId);
                   runtime().writeProperty(kNoticeWindowId, kConfirmHotAreaId, Role::Left, 0);
                   platform.key(*noticeWindow(), platform::Key::Escape);
                 }});
  QRect secondPlace;
  withNoticeOpen(kMalePage, 1, {[&] {
                   secondPlace = windowRectOf(kNoticeWindowId, kConfirmHotAreaId);
                   platform.key(*noticeWindow(), platform::Key::Escape);
                 }});
  EXPECT_EQ(firstPlace, QRect(147, 151, 88, 28));
  EXPECT_EQ(secondPlace, firstPlace);
}

TEST_F(NavigationTest, EveryObtainButtonOpensTheNoticeWindow) {
  for (int category = 0; category < kCategoryCount; ++category) {
    showCategory(category);
    bool opened = false;
    withNoticeOpen(category, 15, {[&] {
                     opened = runtime().isOpen(kNoticeWindowId);
                     platform.key(*noticeWindow(), platform::Key::Escape);
                   }});
    EXPECT_TRUE(opened) << category;
  }
}

TEST_F(NavigationTest, TheCloseHotAreaEndsTheProgram) {
  platform.post([&] { clickUnit(kMainWindowId, kCloseHotAreaId); });
  showcase->run();
  EXPECT_FALSE(runtime().isOpen(kMainWindowId));
  EXPECT_TRUE(platform.lastLoopQuit());
}

TEST_F(NavigationTest, EscOnTheMainWindowEndsTheProgram) {
  platform.key(*mainWindow(), platform::Key::Escape);
  showcase->run();
  EXPECT_FALSE(runtime().isOpen(kMainWindowId));
  EXPECT_TRUE(platform.lastLoopQuit());
}

}  // namespace
}  // namespace korvane::testing
