#include "tests/model/model_fixture.h"

#include "ui/model/live_window.h"

namespace korvane::testing {
namespace {

using namespace model;
using platform::ShowState;

TEST_F(ModelTest, CreatedRunsBeforeTheWindowIsFirstShown) {
  std::optional<ShowState> stateWhenCreated;
  handlers.add("createdA", [&](const EventArgs&) { stateWhenCreated = nativeOf(kWindowA).showState(); });
  ASSERT_TRUE(load(kWindowA));
  EXPECT_EQ(stateWhenCreated, ShowState::Hidden);
  EXPECT_EQ(nativeOf(kWindowA).showState(), ShowState::Normal);
}

TEST_F(ModelTest, ControlsAreCreatedLastUnitFirstAndStackedInUnitOrder) {
  ASSERT_TRUE(load(kWindowA));
  EXPECT_EQ(log.created, (std::vector<UnitId>{kLabel, kButton1, kButton0, kPages, kStrip, kHot2, kHot1}));
  LiveWindow& live = *runtime->liveWindow(kWindowA);
  std::vector<UnitId> topLevel;
  for (LiveControl* c : live.topmostFirst()) topLevel.push_back(c->id());
  EXPECT_EQ(topLevel, (std::vector<UnitId>{kHot1, kHot2, kPages, kLabel}));
  std::vector<UnitId> inPages;
  for (LiveControl* c : live.control(kPages)->children) inPages.push_back(c->id());
  EXPECT_EQ(inPages, (std::vector<UnitId>{kStrip, kButton0, kButton1}));
}

TEST_F(ModelTest, OnlyTheFirstPagesControlsAreShownAfterLoad) {
  ASSERT_TRUE(load(kWindowA));
  EXPECT_EQ(read(kWindowA, kButton0, Role::Visible), Value(true));
  EXPECT_EQ(read(kWindowA, kButton1, Role::Visible), Value(false));
  EXPECT_TRUE(runtime->store(kWindowA)->find(kButton1)->visible);
}

TEST_F(ModelTest, ShowingAnotherPageKeepsAClearedControlHidden) {
  ASSERT_TRUE(load(kWindowA));
  write(kWindowA, kStrip, Role::Visible, false);
  write(kWindowA, kPages, Role::CurrentPage, 1);
  EXPECT_EQ(read(kWindowA, kButton1, Role::Visible), Value(true));
  EXPECT_EQ(read(kWindowA, kButton0, Role::Visible), Value(false));
  write(kWindowA, kPages, Role::CurrentPage, 0);
  EXPECT_EQ(read(kWindowA, kStrip, Role::Visible), Value(false));
  EXPECT_EQ(read(kWindowA, kButton0, Role::Visible), Value(true));
  EXPECT_EQ(read(kWindowA, kButton1, Role::Visible), Value(false));
}

TEST_F(ModelTest, ShowingAControlOfAPageThatIsNotCurrentWaitsForItsPage) {
  ASSERT_TRUE(load(kWindowA));
  write(kWindowA, kButton1, Role::Visible, true);
  EXPECT_EQ(read(kWindowA, kButton1, Role::Visible), Value(false));
  write(kWindowA, kPages, Role::CurrentPage, 1);
  EXPECT_EQ(read(kWindowA, kButton1, Role::Visible), Value(true));
}

TEST_F(ModelTest, LoadingAnOpenWindowCreatesNothing) {
  ASSERT_TRUE(load(kWindowA));
  const auto created = log.created.size();
  const int activations = nativeOf(kWindowA).activations();
  EXPECT_TRUE(load(kWindowA));
  EXPECT_EQ(log.created.size(), created);
  EXPECT_EQ(nativeOf(kWindowA).activations(), activations + 1);
  EXPECT_EQ(calls, (std::vector<std::string>{"createdA"}));
}

TEST_F(ModelTest, LoadingAMinimisedWindowRestoresIt) {
  ASSERT_TRUE(load(kWindowA));
  nativeOf(kWindowA).setShowState(ShowState::Minimized);
  EXPECT_TRUE(load(kWindowA));
  EXPECT_EQ(nativeOf(kWindowA).showState(), ShowState::Normal);
}

TEST_F(ModelTest, AFailedLoadLeavesNothingOpenAndTheLoopIsNotEntered) {
  platform.setWindowCreationFails(true);
  EXPECT_FALSE(load(kWindowA));
  EXPECT_FALSE(runtime->isOpen(kWindowA));
  EXPECT_TRUE(platform.windows().empty());
  runtime->runEventLoop();  // returns at once: nothing is open
  EXPECT_TRUE(runtime->eventLoopEntered());
  EXPECT_EQ(platform.loopDepth(), 0);
}

TEST_F(ModelTest, AnUnknownKindIsALoudError) {
  KindRegistry empty;
  Runtime bare(platform, empty, handlers, fixtureDefinitions());
  EXPECT_THROW(bare.loadWindow(kWindowA, std::nullopt, false), std::logic_error);
  EXPECT_FALSE(bare.isOpen(kWindowA));
}

TEST_F(ModelTest, AWindowDestroyedByItsCreatedHandlerEndsTheLoadEarly) {
  handlers.add("createdA", [&](const EventArgs&) { runtime->destroyWindow(kWindowA, true); });
  EXPECT_TRUE(load(kWindowA));
  EXPECT_FALSE(runtime->isOpen(kWindowA));
  EXPECT_TRUE(platform.windows().empty() || platform.windows().front()->showState() == ShowState::Hidden);
}

TEST_F(ModelTest, AModalWindowIsOwnedAndHasNoTaskbarButton) {
  ASSERT_TRUE(load(kWindowA));
  platform.post([&] {
    EXPECT_NE(nativeOf(kWindowB).owner(), nullptr);
    EXPECT_FALSE(nativeOf(kWindowB).hasTaskbarButton());
    runtime->destroyWindow(kWindowB);
  });
  ASSERT_TRUE(load(kWindowB, true));
  EXPECT_TRUE(nativeOf(kWindowA).hasTaskbarButton());
}

}  // namespace
}  // namespace korvane::testing
