#include "tests/app/showcase_fixture.h"

#include "assets/asset_catalog.h"
#include "ui/components/pic_box.h"
#include "ui/model/live_window.h"

namespace korvane::testing {

using namespace model;

ShowcaseTest::ShowcaseTest() {
  showcase = std::make_unique<app::Showcase>(platform);
  showcase->start();
}

static platform::MemoryWindow* nativeOf(Runtime& runtime, WindowId window) {
  LiveWindow* live = runtime.liveWindow(window);
  return live ? dynamic_cast<platform::MemoryWindow*>(&live->window().native()) : nullptr;
}

platform::MemoryWindow* ShowcaseTest::mainWindow() const { return nativeOf(showcase->runtime(), kMainWindowId); }

platform::MemoryWindow* ShowcaseTest::noticeWindow() const { return nativeOf(showcase->runtime(), kNoticeWindowId); }

QRect ShowcaseTest::windowRectOf(WindowId window, UnitId unit) {
  LiveWindow* live = runtime().liveWindow(window);
  LiveControl* control = live ? live->control(unit) : nullptr;
  if (!control) return {};
  QRect rect = control->rect;
  for (LiveControl* p = control->parent; p; p = p->parent) rect.translate(p->rect.topLeft());
  return rect;
}

void ShowcaseTest::clickUnit(WindowId window, UnitId unit) {
  platform::MemoryWindow* native = nativeOf(runtime(), window);
  ASSERT_NE(native, nullptr);
  platform.click(*native, windowRectOf(window, unit).center());
  platform.processEvents();
}

void ShowcaseTest::doubleClickUnit(WindowId window, UnitId unit) {
  platform::MemoryWindow* native = nativeOf(runtime(), window);
  ASSERT_NE(native, nullptr);
  platform.doubleClick(*native, windowRectOf(window, unit).center());
  platform.processEvents();
}

int ShowcaseTest::currentPage() {
  return std::get<std::int32_t>(runtime().readProperty(kMainWindowId, kPageContainerId, Role::CurrentPage));
}

bool ShowcaseTest::isShown(UnitId control) {
  return std::get<bool>(runtime().readProperty(kMainWindowId, control, Role::Visible));
}

std::string ShowcaseTest::stripAsset(UnitId strip) {
  LiveWindow* live = runtime().liveWindow(kMainWindowId);
  auto* box = live ? dynamic_cast<components::PicBox*>(live->control(strip)) : nullptr;
  if (!box) return "no strip";
  if (box->picture().isEmpty()) return "none";
  for (std::string_view name : assets::assetNames()) {
    if (assets::assetBytes(name) == box->picture()) return std::string(name);
  }
  return "unknown";
}

}  // namespace korvane::testing
