#pragma once

// The whole program on the in-memory platform, with its real definitions,
// kinds and pictures, and ways to click it as a user would.

#include "app/showcase.h"
#include "platform/memory/memory_platform.h"
#include "ui/model/main_window_ids.h"
#include "ui/model/notice_window_definition.h"

#include <gtest/gtest.h>

#include <QRect>

#include <optional>
#include <string>

namespace korvane::testing {

class ShowcaseTest : public ::testing::Test {
 protected:
  ShowcaseTest();

  platform::MemoryWindow* mainWindow() const;
  platform::MemoryWindow* noticeWindow() const;
  model::Runtime& runtime() { return showcase->runtime(); }

  // Clicks the centre of a unit of the main or the notice window, as a user
  // would, and lets the program handle it.
  void clickUnit(model::WindowId window, model::UnitId unit);
  void doubleClickUnit(model::WindowId window, model::UnitId unit);
  void clickNext() { clickUnit(model::kMainWindowId, model::kNextPageHotAreaId); }
  void clickPrevious() { clickUnit(model::kMainWindowId, model::kPreviousPageHotAreaId); }
  void showCategory(int page) { clickUnit(model::kMainWindowId, model::kPageHotAreaIds[page]); }
  // Where a unit lies in its window.
  QRect windowRectOf(model::WindowId window, model::UnitId unit);

  int currentPage();
  bool isShown(model::UnitId control);
  // The asset whose bytes a strip holds, or "none"/"unknown".
  std::string stripAsset(model::UnitId strip);

  platform::MemoryPlatform platform{QSize(1024, 768)};
  std::unique_ptr<app::Showcase> showcase;
};

}  // namespace korvane::testing
