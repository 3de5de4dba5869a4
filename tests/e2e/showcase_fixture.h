#pragma once

#include "tests/e2e/desktop.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace korvane::e2e {

// Places of the main window, in window coordinates.
inline constexpr QPoint kContainerOrigin(7, 46);
inline QPoint centreOf(QRect r) { return r.topLeft() + QPoint(r.width() / 2, r.height() / 2); }
inline const QRect kNextPage(657, 670, 87, 19);
inline const QRect kPreviousPage(545, 670, 95, 19);
inline const QRect kContact(669, 8, 77, 16);
inline const QRect kMinimise(762, 8, 48, 16);
inline const QRect kClose(824, 8, 48, 16);
inline const QRect kTitleWebsiteLink(367, 10, 224, 16);
inline const QRect kCategoryHotAreas[6] = {{8, 670, 87, 19},   {106, 670, 104, 19}, {224, 670, 90, 19},
                                           {331, 670, 90, 19}, {437, 670, 95, 19},  {764, 670, 106, 19}};
inline const QRect kConfirm(147, 151, 88, 28);  // in the notice window

// Strip r (1..3) and obtain button n (1..15) of the current category page.
inline QRect stripRect(int row) {
  static const int tops[3] = {3, 204, 406};
  return QRect(kContainerOrigin + QPoint(2, tops[row - 1]), QSize(862, 168));
}
inline QRect buttonRect(int n) {
  static const int lefts[5] = {31, 208, 376, 552, 728};
  const int row = (n + 4) / 5, column = n - 5 * (row - 1);
  return QRect(kContainerOrigin + QPoint(lefts[column - 1], 176 + 202 * (row - 1)), QSize(106, 22));
}

// Polls until the condition holds or the time is up.
inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 8000) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < timeoutMs) {
    if (condition()) return true;
    QThread::msleep(100);
  }
  return condition();
}

class ShowcaseOnDesktop : public ::testing::Test {
 protected:
  explicit ShowcaseOnDesktop(QSize screen = QSize(1024, 768)) : desktop(screen), program(desktop) {}

  void SetUp() override {
    ASSERT_TRUE(desktop.ready()) << "Xvfb with openbox did not start";
    ASSERT_TRUE(program.start());
    auto id = desktop.findWindow("Korvane");
    ASSERT_TRUE(id) << "the main window did not appear";
    mainWindow = *id;
    ASSERT_TRUE(waitUntil([&] { return stripShows(1, "male_p1_r1"); })) << "the first frame did not come";
  }

  QRect mainGeometry() const { return desktop.geometry(mainWindow).value_or(QRect()); }
  QPoint global(QPoint windowPos) const { return mainGeometry().topLeft() + windowPos; }
  void clickAt(QRect windowRect) const { desktop.click(global(centreOf(windowRect))); }

  // The visible part of a strip (the container cuts off its right 8 pixels)
  // shows the stored picture.
  bool stripShows(int row, const char* asset) const {
    const QImage picture = storedPicture(asset).copy(0, 0, 854, 168);
    return matchingShare(desktop.screenshot(), global(stripRect(row).topLeft()), picture) > 0.97;
  }
  bool areaIsBlack(QRect windowRect) const {
    QImage black(windowRect.size(), QImage::Format_RGB32);
    black.fill(Qt::black);
    return matchingShare(desktop.screenshot(), global(windowRect.topLeft()), black, 8) > 0.99;
  }

  // The notice window: the one shown window of the program with its size.
  std::optional<QString> noticeWindow() const {
    const QString out = desktop.run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(program.pid())});
    for (const QString& id : out.split('\n', Qt::SkipEmptyParts)) {
      auto g = desktop.geometry(id);
      if (g && g->size() == QSize(392, 199)) return id;
    }
    return std::nullopt;
  }

  Desktop desktop;
  Program program;
  QString mainWindow;
};

}  // namespace korvane::e2e
