#include "app/build_constants.h"
#include "tests/e2e/showcase_fixture.h"

namespace korvane::e2e {
namespace {

TEST_F(ShowcaseOnDesktop, OpensCentredWithoutAFrameAndShowsItsFace) {
  EXPECT_EQ(mainGeometry(), QRect(72, 24, 880, 720));
  const QImage shot = desktop.screenshot();
  const QImage skin = storedPicture("skin");
  // The title strip right of the links and the whole navigation bar are the
  // skin itself: the hot areas over them are invisible.
  EXPECT_GT(matchingShare(shot, global({600, 0}), skin.copy(600, 0, 280, 46)), 0.97);
  EXPECT_GT(matchingShare(shot, global({0, 654}), skin.copy(0, 654, 880, 66)), 0.97);
  for (int row = 1; row <= 3; ++row) EXPECT_TRUE(stripShows(row, ("male_p1_r" + std::to_string(row)).c_str()));
  EXPECT_GT(matchingShare(shot, global(buttonRect(15).topLeft()), storedPicture("button_face_1")), 0.95);
  EXPECT_TRUE(areaIsBlack(QRect(kContainerOrigin + QPoint(0, 172), QSize(20, 30))));
}

TEST_F(ShowcaseOnDesktop, SwitchesCategoriesAndTurnsPagesOnScreen) {
  clickAt(kCategoryHotAreas[1]);
  EXPECT_TRUE(waitUntil([&] { return stripShows(1, "female_p1_r1"); }));
  clickAt(kNextPage);
  EXPECT_TRUE(waitUntil([&] { return stripShows(2, "female_p2_r2"); }));
  clickAt(kCategoryHotAreas[2]);
  EXPECT_TRUE(waitUntil([&] { return stripShows(1, "props_p1_r1"); }));
  clickAt(kNextPage);
  EXPECT_TRUE(waitUntil([&] { return stripShows(1, "props_p2_r1") && areaIsBlack(stripRect(2).adjusted(0, 0, -8, 0)); }));
  clickAt(kCategoryHotAreas[1]);
  EXPECT_TRUE(waitUntil([&] { return stripShows(1, "female_p2_r1"); }));
  clickAt(kPreviousPage);
  EXPECT_TRUE(waitUntil([&] { return stripShows(1, "female_p1_r1"); }));
}

TEST_F(ShowcaseOnDesktop, ADoubleClickOnNextPageTurnsTwoPages) {
  desktop.doubleClick(global(centreOf(kNextPage)));
  EXPECT_TRUE(waitUntil([&] { return stripShows(1, "male_p3_r1"); }));
}

TEST_F(ShowcaseOnDesktop, TheRecordsPageShowsItsTextOnBlack) {
  clickAt(kCategoryHotAreas[5]);
  // Grey text in its label on the black page; no strip anywhere.
  EXPECT_TRUE(waitUntil([&] { return !areaIsBlack(QRect(kContainerOrigin + QPoint(120, 91), QSize(616, 30))); }));
  EXPECT_TRUE(areaIsBlack(QRect(kContainerOrigin + QPoint(2, 3), QSize(110, 85))));
  EXPECT_TRUE(areaIsBlack(QRect(kContainerOrigin + QPoint(2, 480), QSize(300, 90))));
  clickAt(kNextPage);
  clickAt(kCategoryHotAreas[0]);
  EXPECT_TRUE(waitUntil([&] { return stripShows(1, "male_p1_r1"); }));
}

TEST_F(ShowcaseOnDesktop, AnObtainButtonShowsItsHoverFace) {
  desktop.moveTo(global(centreOf(buttonRect(7))));
  EXPECT_TRUE(waitUntil([&] {
    return matchingShare(desktop.screenshot(), global(buttonRect(7).topLeft()), storedPicture("button_face_2")) > 0.95;
  }));
  desktop.moveTo(global({400, 30}));
  EXPECT_TRUE(waitUntil([&] {
    return matchingShare(desktop.screenshot(), global(buttonRect(7).topLeft()), storedPicture("button_face_1")) > 0.95;
  }));
}

TEST_F(ShowcaseOnDesktop, TheNoticeWindowIsModalAndClosesByItsButton) {
  clickAt(buttonRect(1));
  std::optional<QString> notice;
  ASSERT_TRUE(waitUntil([&] { return (notice = noticeWindow()).has_value(); }));
  EXPECT_EQ(desktop.geometry(*notice), QRect(316, 284, 392, 199));
  // Owned by the hidden owner window, so it has no taskbar button of its own.
  EXPECT_TRUE(desktop.property(*notice, "_NET_WM_STATE").contains("_NET_WM_STATE_SKIP_TASKBAR"));
  EXPECT_TRUE(desktop.property(*notice, "WM_TRANSIENT_FOR").contains("window id"));
  EXPECT_FALSE(desktop.property(mainWindow, "_NET_WM_STATE").contains("SKIP_TASKBAR"));
  EXPECT_TRUE(waitUntil([&] {
    return matchingShare(desktop.screenshot(), QPoint(316, 284), storedPicture("notice_face").copy(0, 0, 392, 199)) > 0.97;
  }));

  clickAt(kNextPage);  // the main window takes no input meanwhile
  QThread::msleep(400);
  EXPECT_TRUE(stripShows(1, "male_p1_r1"));

  desktop.click(desktop.geometry(*notice)->topLeft() + centreOf(kConfirm));
  EXPECT_TRUE(waitUntil([&] { return !noticeWindow().has_value(); }));
  clickAt(kNextPage);
  EXPECT_TRUE(waitUntil([&] { return stripShows(1, "male_p2_r1"); }));
}

TEST_F(ShowcaseOnDesktop, EscClosesTheNoticeWindowOnly) {
  clickAt(buttonRect(12));
  std::optional<QString> notice;
  ASSERT_TRUE(waitUntil([&] { return (notice = noticeWindow()).has_value(); }));
  desktop.run("xdotool", {"windowactivate", "--sync", *notice});
  desktop.key("Escape");
  EXPECT_TRUE(waitUntil([&] { return !noticeWindow().has_value(); }));
  EXPECT_TRUE(program.running());
}

TEST_F(ShowcaseOnDesktop, TheOpenerReceivesTheExactChatAndWebsiteUrls) {
  clickAt(kContact);
  clickAt(kTitleWebsiteLink);
  ASSERT_TRUE(waitUntil([&] { return program.openerCalls().size() >= 2; }));
  const auto calls = program.openerCalls();
  EXPECT_EQ(calls[0], QStringList{app::chatUrl()});
  EXPECT_EQ(calls[1], QStringList{QString::fromLatin1(app::kWebsite)});
}

struct DragCase {
  const char* name;
  QPoint start;  // in the window
  bool moves;
};

class Dragging : public ShowcaseOnDesktop, public ::testing::WithParamInterface<DragCase> {};

TEST_P(Dragging, MovesTheWindowOnlyByTheSkinAndTheStrips) {
  const QRect before = mainGeometry();
  const QPoint start = global(GetParam().start);
  desktop.press(start);
  desktop.moveTo(start + QPoint(20, 15));
  desktop.moveTo(start + QPoint(40, 30));
  desktop.release(start + QPoint(40, 30));
  if (GetParam().moves) {
    // The window manager may hold the window back a little at the start of a
    // move, so it follows the pointer most of the way, not to the pixel.
    EXPECT_TRUE(waitUntil([&] {
      const QPoint moved = mainGeometry().topLeft() - before.topLeft();
      return moved.x() >= 20 && moved.x() <= 40 && moved.y() >= 15 && moved.y() <= 30;
    }));
  } else {
    QThread::msleep(500);
    EXPECT_EQ(mainGeometry(), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, Dragging,
                         ::testing::Values(DragCase{"skin", {630, 36}, true}, DragCase{"strip", {400, 120}, true},
                                           DragCase{"hot_area", {50, 679}, false},
                                           DragCase{"obtain_button", {90, 233}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShowcaseOnDesktop, MinimisesAndComesBackUnchanged) {
  clickAt(kNextPage);
  ASSERT_TRUE(waitUntil([&] { return stripShows(1, "male_p2_r1"); }));
  clickAt(kMinimise);
  EXPECT_TRUE(waitUntil([&] { return desktop.property(mainWindow, "_NET_WM_STATE").contains("HIDDEN"); }));
  desktop.run("xdotool", {"windowactivate", "--sync", mainWindow});
  EXPECT_TRUE(waitUntil([&] { return desktop.isViewable(mainWindow) && stripShows(1, "male_p2_r1"); }));
}

TEST_F(ShowcaseOnDesktop, ShiftEscIsIgnoredAndEscEndsTheProgram) {
  desktop.run("xdotool", {"windowactivate", "--sync", mainWindow});
  desktop.key("shift+Escape");
  QThread::msleep(500);
  EXPECT_TRUE(program.running());
  desktop.key("Escape");
  EXPECT_EQ(program.waitForExit(), 0);
}

TEST_F(ShowcaseOnDesktop, TheCloseHotAreaEndsTheProgram) {
  clickAt(kClose);
  EXPECT_EQ(program.waitForExit(), 0);
}

}  // namespace
}  // namespace korvane::e2e
