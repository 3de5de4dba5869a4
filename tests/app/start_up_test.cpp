#include "tests/app/showcase_fixture.h"

namespace korvane::testing {
namespace {

using namespace model;

TEST(StartUp, TheStoreAnswersBeforeTheMainWindowIsLoaded) {
  platform::MemoryPlatform platform;
  app::Showcase showcase(platform);
  EXPECT_EQ(showcase.runtime().readProperty(kMainWindowId, kMainWindowUnitId, Role::Width), Value(std::int32_t{880}));
  for (int category = 0; category < kCategoryCount; ++category) EXPECT_EQ(showcase.state().counter(category), 0);
}

TEST(StartUp, TheOutlineAndTheCountersAreSetBeforeTheFirstShow) {
  platform::MemoryPlatform platform;
  app::Showcase showcase(platform);
  showcase.start();
  auto* window = platform.windows().front();
  ASSERT_TRUE(window->outline());
  EXPECT_TRUE((*window->outline() ^ QRegion(0, 0, 880, 720)).isEmpty());
  for (int category = 0; category < kCategoryCount; ++category) EXPECT_EQ(showcase.state().counter(category), 1);
  EXPECT_EQ(window->showState(), platform::ShowState::Normal);
  EXPECT_EQ(window->geometry(), QRect(72, 24, 880, 720));
}

TEST(StartUp, AMainWindowThatCannotBeLoadedEndsTheProgramAtOnce) {
  platform::MemoryPlatform platform;
  platform.setWindowCreationFails(true);
  app::Showcase showcase(platform);
  EXPECT_FALSE(showcase.start());
  showcase.run();
  EXPECT_TRUE(showcase.runtime().eventLoopEntered());
  EXPECT_TRUE(platform.windows().empty());
}

}  // namespace
}  // namespace korvane::testing
