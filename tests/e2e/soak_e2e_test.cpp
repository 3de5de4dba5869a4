// A soak of the real program under Xvfb and openbox: 2,000 seeded random
// clicks, double-clicks, drags, moves and keys sent with xdotool, the program
// started again whenever it ends. Afterwards it must still turn a page on
// screen, and a long run without restarts must not have grown its memory.

#include "tests/e2e/showcase_fixture.h"
#include "tests/support/seeded_random.h"

#include <cstdlib>
#include <iostream>
#include <vector>

namespace korvane::e2e {
namespace {

constexpr int kBatch = 25;
constexpr QPoint kStartPlace(72, 24);

// KORVANE_SOAK_SEED and KORVANE_SOAK_ACTIONS vary or lengthen the soak by hand.
std::uint64_t soakSeed() {
  const char* text = std::getenv("KORVANE_SOAK_SEED");
  return text ? std::strtoull(text, nullptr, 10) : 20261211;
}

int soakActions() {
  const char* text = std::getenv("KORVANE_SOAK_ACTIONS");
  return text ? std::atoi(text) : 2000;
}

QStringList at(QPoint p) { return {QString::number(p.x()), QString::number(p.y())}; }

class Soak : public ShowcaseOnDesktop {
 protected:
  Soak() : random(soakSeed()) {}

  QRect noticeRect() const {
    const QSize size(392, 199);
    const QSize screen = desktop.screenSize();
    return QRect(QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2), size);
  }

  // The hot areas and links of the main window, on the screen.
  std::vector<QRect> targets(bool mayEnd) const {
    std::vector<QRect> rects = {kNextPage, kPreviousPage, kContact, kMinimise, kTitleWebsiteLink};
    for (const QRect& r : kCategoryHotAreas) rects.push_back(r);
    if (mayEnd) rects.push_back(kClose);
    for (QRect& r : rects) r.translate(place);
    return rects;
  }

  // Mostly a hot area, a strip, an obtain button or the notice window's OK;
  // the buttons open the notice window, which disables the main window until
  // something closes it, so they are not the most common aim.
  QPoint pickPoint(bool mayEnd) {
    const int roll = random.below(1000);
    if (roll < 650) {
      const std::vector<QRect> hotAreas = targets(mayEnd);
      const QRect r = roll < 330 ? hotAreas[random.below(static_cast<int>(hotAreas.size()))]
                      : roll < 430 ? stripRect(random.between(1, 3)).translated(place)
                      : roll < 530 ? buttonRect(random.between(1, 15)).translated(place)
                                   : kConfirm.translated(noticeRect().topLeft());
      return QPoint(random.between(r.left(), r.right()), random.between(r.top(), r.bottom()));
    }
    QPoint p(random.between(place.x() - 10, place.x() + 889), random.between(place.y() - 10, place.y() + 729));
    // Without ending actions, no random point lands on the close hot area.
    if (!mayEnd && QRect(place + QPoint(824, 0), QSize(56, 30)).contains(p)) p.rx() -= 100;
    return p;
  }

  // One random action as xdotool commands, followed by a short pause. Clicks
  // are a press and a release: xdotool's click command waits 100 ms each.
  QStringList action(bool mayEnd) {
    QStringList commands;
    auto click = [&](const char* button) { commands << "mousedown" << button << "mouseup" << button; };
    const int roll = random.below(1000);
    if (roll < 430) {
      commands << "mousemove" << at(pickPoint(mayEnd));
      click("1");
    } else if (roll < 510) {
      commands << "mousemove" << at(pickPoint(mayEnd));
      click("1");
      commands << "sleep" << "0.05";
      click("1");
    } else if (roll < 550) {
      commands << "mousemove" << at(pickPoint(mayEnd));
      click(random.chance(500) ? "3" : "2");
    } else if (roll < 680) {
      const QPoint from = pickPoint(mayEnd);
      const QPoint by(random.between(-80, 80), random.between(-80, 80));
      commands << "mousemove" << at(from) << "mousedown" << "1" << "mousemove" << at(from + by / 2) << "sleep"
               << "0.02" << "mousemove" << at(from + by) << "mouseup" << "1";
    } else if (roll < 830) {
      commands << "mousemove" << at(pickPoint(mayEnd));
    } else {
      static const char* const kKeys[] = {"shift+Escape", "ctrl+Escape", "alt+Escape", "Return", "space",
                                          "a",            "Tab",         "Left",       "F1",     "ctrl+w"};
      static const char* const kEndingKeys[] = {"Escape", "alt+F4"};
      const bool ending = mayEnd && random.chance(120);
      commands << "key" << (ending ? kEndingKeys[random.below(2)] : kKeys[random.below(std::size(kKeys))]);
    }
    commands << "sleep" << "0.02";
    return commands;
  }

  // Sends a batch of actions; false when the program ended meanwhile.
  bool sendBatch(int count, bool mayEnd) {
    QStringList commands;
    for (int i = 0; i < count; ++i) commands += action(mayEnd);
    desktop.run("xdotool", commands, 60000);
    sent += count;
    QThread::msleep(100);
    return program.running();
  }

  void restart() {
    const std::optional<int> exit = program.waitForExit();
    ASSERT_EQ(exit, 0) << "the program did not end cleanly after " << sent << " actions";
    ++restarts;
    ASSERT_TRUE(program.start());
    auto id = desktop.findWindow("Korvane");
    ASSERT_TRUE(id) << "the main window did not come back";
    mainWindow = *id;
    ASSERT_TRUE(waitUntil([&] { return stripShows(1, "male_p1_r1"); }));
  }

  // Brings a minimised or wandered-off main window back to its place, so that
  // the next batch aims at it again.
  void settle() {
    if (!desktop.isViewable(mainWindow)) desktop.run("xdotool", {"windowactivate", "--sync", mainWindow});
    if (mainGeometry().topLeft() != kStartPlace) {
      desktop.run("xdotool", {"windowmove", "--sync", mainWindow, QString::number(kStartPlace.x()),
                              QString::number(kStartPlace.y())});
      waitUntil([&] { return mainGeometry().topLeft() == kStartPlace; }, 3000);
    }
    place = mainGeometry().topLeft();
  }

  void closeNotice() {
    if (auto notice = noticeWindow()) {
      desktop.click(desktop.geometry(*notice).value_or(noticeRect()).topLeft() + centreOf(kConfirm));
      waitUntil([&] { return !noticeWindow().has_value(); });
    }
  }

  // Every category and page, the notice window and the hover faces once.
  void visitEverything() {
    for (int category = 0; category < 5; ++category) {
      clickAt(kCategoryHotAreas[category]);
      for (int i = 0; i < 2; ++i) clickAt(kNextPage);
      for (int i = 0; i < 2; ++i) clickAt(kPreviousPage);
      desktop.moveTo(global(centreOf(buttonRect(category + 1))));
    }
    clickAt(kCategoryHotAreas[5]);
    clickAt(kCategoryHotAreas[0]);
    clickAt(buttonRect(3));
    waitUntil([&] { return noticeWindow().has_value(); });
    closeNotice();
    QThread::msleep(300);
  }

  testing::SeededRandom random;
  QPoint place = kStartPlace;
  int sent = 0;
  int restarts = 0;
};

TEST_F(Soak, TwoThousandRandomActionsLeaveItAnsweringAndNoBigger) {
  // First half: anything goes, Esc, Alt+F4 and the close hot area included.
  while (sent < soakActions() / 2) {
    settle();
    if (!sendBatch(kBatch, true)) {
      restart();
      if (HasFatalFailure()) return;
    }
  }
  if (!program.running()) restart();
  if (HasFatalFailure()) return;

  // Second half: one program throughout, so that its memory can be compared.
  closeNotice();
  settle();
  visitEverything();
  const long before = program.residentKiB();
  while (sent < soakActions()) {
    settle();
    ASSERT_TRUE(sendBatch(kBatch, false)) << "the program ended after " << sent << " actions";
  }

  closeNotice();
  settle();
  clickAt(kCategoryHotAreas[0]);
  clickAt(kPreviousPage);
  clickAt(kPreviousPage);
  ASSERT_TRUE(waitUntil([&] { return stripShows(1, "male_p1_r1"); }));
  clickAt(kNextPage);
  EXPECT_TRUE(waitUntil([&] { return stripShows(1, "male_p2_r1"); })) << "a click on next page changed nothing";

  visitEverything();
  const long after = program.residentKiB();
  std::cout << "soak seed " << soakSeed() << ": " << sent << " actions, " << restarts << " restarts, resident "
            << before << " KiB -> " << after << " KiB\n";
  RecordProperty("resident_before_kib", std::to_string(before));
  RecordProperty("resident_after_kib", std::to_string(after));
  ASSERT_GT(before, 0);
  EXPECT_LE(after, before + before / 20) << "resident memory grew by more than 5 %";
}

}  // namespace
}  // namespace korvane::e2e
