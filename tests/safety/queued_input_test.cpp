// Input that arrives faster than the program handles it: a request the
// program posts then runs after input that was already waiting.

#include "tests/app/showcase_fixture.h"

namespace korvane::testing {
namespace {

using namespace model;

TEST_F(ShowcaseTest, ACloseQueuedBehindAnObtainClickStillEndsTheProgram) {
  // Both clicks are queued before the program handles either, so the close
  // request comes after the obtain click and runs inside the notice window's
  // loop.
  platform.click(*mainWindow(), windowRectOf(kMainWindowId, kCloseHotAreaId).center());
  platform.click(*mainWindow(), windowRectOf(kMainWindowId, categoryControls()[kMalePage].buttons[0]).center());
  bool noticeOutlivedMain = false;
  platform.setIdleHandler([&] {
    if (!runtime().isOpen(kNoticeWindowId)) return false;
    noticeOutlivedMain = !runtime().isOpen(kMainWindowId);
    EXPECT_TRUE(noticeWindow()->inputEnabled());
    platform.click(*noticeWindow(), windowRectOf(kNoticeWindowId, kConfirmHotAreaId).center());
    return true;
  });
  showcase->run();
  EXPECT_TRUE(noticeOutlivedMain);
  EXPECT_FALSE(runtime().isOpen(kMainWindowId));
  EXPECT_FALSE(runtime().isOpen(kNoticeWindowId));
  // The loop was told to stop, rather than left with nothing to do.
  EXPECT_TRUE(platform.lastLoopQuit());
}

}  // namespace
}  // namespace korvane::testing
