#include "tests/model/model_fixture.h"

namespace korvane::testing {
namespace {

using namespace model;

TEST_F(ModelTest, AQueuedDestroyLeavesTheWindowUntilTheHandlerHasReturned) {
  ASSERT_TRUE(load(kWindowA));
  bool openInsideHandler = false;
  handlers.add("hot1", [&](const EventArgs&) {
    runtime->destroyWindow(kWindowA);
    openInsideHandler = runtime->isOpen(kWindowA);
  });
  platform.click(nativeOf(kWindowA), QPoint(15, 15));
  platform.processEvents();
  EXPECT_TRUE(openInsideHandler);
  EXPECT_FALSE(runtime->isOpen(kWindowA));
}

TEST_F(ModelTest, DestroyingTheLastWindowEndsTheLoopButDestroyingAnotherDoesNot) {
  ASSERT_TRUE(load(kWindowA));
  ASSERT_TRUE(load(kWindowB));
  platform.post([&] { runtime->destroyWindow(kWindowB); });
  runtime->runEventLoop();
  EXPECT_FALSE(platform.lastLoopQuit());  // ran out of work with A still open
  EXPECT_TRUE(runtime->isOpen(kWindowA));

  platform.post([&] { runtime->destroyWindow(kWindowA); });
  runtime->runEventLoop();
  EXPECT_TRUE(platform.lastLoopQuit());
}

TEST_F(ModelTest, AModalLoadReturnsOnlyAfterItsWindowIsDestroyed) {
  ASSERT_TRUE(load(kWindowA));
  std::vector<std::string> order;
  platform.post([&] {
    order.push_back("inside");
    EXPECT_FALSE(nativeOf(kWindowA).inputEnabled());
    EXPECT_EQ(read(kWindowA, kWindowAUnit, Role::Disabled), Value(true));
  });
  platform.click(nativeOf(kWindowA), QPoint(15, 15));  // ignored: A is disabled
  platform.post([&] { platform.click(nativeOf(kWindowB), QPoint(15, 15)); });
  handlers.add("closeB", [&](const EventArgs&) {
    order.push_back("closeB");
    runtime->destroyWindow(kWindowB);
  });
  ASSERT_TRUE(load(kWindowB, true));
  order.push_back("returned");
  EXPECT_EQ(order, (std::vector<std::string>{"inside", "closeB", "returned"}));
  EXPECT_TRUE(calls.empty() || calls == std::vector<std::string>{"createdA"});
  EXPECT_TRUE(nativeOf(kWindowA).inputEnabled());
}

TEST_F(ModelTest, AModalLoadPutsBackTheEnabledStateEachWindowHadBefore) {
  ASSERT_TRUE(load(kWindowA));
  write(kWindowA, kWindowAUnit, Role::Disabled, true);
  platform.post([&] { runtime->destroyWindow(kWindowB); });
  ASSERT_TRUE(load(kWindowB, true));
  EXPECT_FALSE(nativeOf(kWindowA).inputEnabled());
}

TEST_F(ModelTest, ActivatingTheDisabledWindowActivatesTheModalOne) {
  ASSERT_TRUE(load(kWindowA));
  platform.post([&] {
    const int before = nativeOf(kWindowB).activations();
    platform.activate(nativeOf(kWindowA));
    platform.post([&, before] {
      EXPECT_EQ(nativeOf(kWindowB).activations(), before + 1);
      runtime->destroyWindow(kWindowB);
    });
  });
  ASSERT_TRUE(load(kWindowB, true));
}

TEST_F(ModelTest, DestroyingPutsTheStoreBackToItsSavedCopy) {
  ASSERT_TRUE(load(kWindowB));
  write(kWindowB, kHotB, Role::Left, 77);
  write(kWindowB, kHotB, Role::Tag, QString("changed"));
  EXPECT_EQ(read(kWindowB, kHotB, Role::Left), Value(std::int32_t{77}));
  runtime->destroyWindow(kWindowB, true);
  EXPECT_EQ(read(kWindowB, kHotB, Role::Left), Value(std::int32_t{10}));
  EXPECT_EQ(read(kWindowB, kHotB, Role::Tag), Value(QString()));
  ASSERT_TRUE(load(kWindowB));
  EXPECT_EQ(read(kWindowB, kHotB, Role::Left), Value(std::int32_t{10}));
}

TEST_F(ModelTest, AQueuedDestroyOfAReloadedWindowDoesNotTouchTheNewOne) {
  ASSERT_TRUE(load(kWindowB));
  runtime->destroyWindow(kWindowB);
  ASSERT_TRUE(load(kWindowB));  // carries out the pending destruction, then loads anew
  platform.processEvents();
  EXPECT_TRUE(runtime->isOpen(kWindowB));
}

TEST_F(ModelTest, EscClosesTheWindowButNotWithAModifier) {
  ASSERT_TRUE(load(kWindowA));
  for (unsigned modifier : {platform::ShiftModifier, platform::CtrlModifier, platform::AltModifier}) {
    platform.key(nativeOf(kWindowA), platform::Key::Escape, modifier);
    platform.processEvents();
    EXPECT_TRUE(runtime->isOpen(kWindowA)) << modifier;
  }
  platform.key(nativeOf(kWindowA), platform::Key::Escape);
  platform.processEvents();
  EXPECT_FALSE(runtime->isOpen(kWindowA));
}

TEST_F(ModelTest, ThePlatformsCloseRequestDestroysTheWindow) {
  ASSERT_TRUE(load(kWindowA));
  platform.requestClose(nativeOf(kWindowA));
  platform.processEvents();
  EXPECT_FALSE(runtime->isOpen(kWindowA));
}

}  // namespace
}  // namespace korvane::testing
