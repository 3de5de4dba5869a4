// The showcase on the in-memory window system with its real pictures: a page
// turn, a category switch and the opening of the notice window, each from
// the release of the mouse button to the end of the repaint. Only that span
// is timed, in CPU time of the thread.

#include "app/showcase.h"
#include "assets/asset_catalog.h"
#include "assets/decode_picture.h"
#include "bench/cpu_clock.h"
#include "bench/floor_decode.h"
#include "bench/paired_figures.h"
#include "platform/memory/memory_platform.h"
#include "ui/model/live_window.h"
#include "ui/model/main_window_ids.h"
#include "ui/model/notice_window_definition.h"

#include <QGuiApplication>
#include <QPainter>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace korvane;
using bench::threadCpuSeconds;
using model::kMainWindowId;

class MemoryShowcase {
 public:
  MemoryShowcase() {
    showcase_ = std::make_unique<app::Showcase>(platform_);
    showcase_->start();
    platform_.processEvents();
    if (platform::MemoryWindow* main = window(kMainWindowId)) main->grab();
  }

  platform::MemoryPlatform& platform() { return platform_; }
  app::CatalogueState& state() { return showcase_->state(); }
  model::Runtime& runtime() { return showcase_->runtime(); }

  platform::MemoryWindow* window(model::WindowId id) {
    model::LiveWindow* live = runtime().liveWindow(id);
    return live ? dynamic_cast<platform::MemoryWindow*>(&live->window().native()) : nullptr;
  }

  // Where a control lies in its window.
  QRect rectOf(model::WindowId windowId, model::UnitId unit) {
    model::LiveWindow* live = runtime().liveWindow(windowId);
    model::LiveControl* control = live ? live->control(unit) : nullptr;
    if (!control) return {};
    QRect rect = control->rect;
    for (model::LiveControl* p = control->parent; p; p = p->parent) rect.translate(p->rect.topLeft());
    return rect;
  }

  // Moves onto a control and presses there, as the user does before the
  // release that a figure times.
  void pointAndPress(model::WindowId windowId, model::UnitId unit) {
    platform::MemoryWindow* target = window(windowId);
    const QPoint at = rectOf(windowId, unit).center();
    platform_.moveTo(*target, at);
    platform_.press(*target, at);
    platform_.processEvents();
  }

  void queueRelease(model::WindowId windowId, model::UnitId unit) {
    platform_.release(*window(windowId), rectOf(windowId, unit).center());
  }

  int currentPage() {
    return std::get<std::int32_t>(
        runtime().readProperty(kMainWindowId, model::kPageContainerId, model::Role::CurrentPage));
  }

 private:
  platform::MemoryPlatform platform_{QSize(1024, 768)};
  std::unique_ptr<app::Showcase> showcase_;
};

// ---------------------------------------------------------------- page turn

// 男服饰 has three pages: two turns forward, two back, and around again. The
// page whose pictures each turn writes, by step.
constexpr std::array<bool, 4> kForward = {true, true, false, false};
constexpr std::array<int, 4> kPageShown = {2, 3, 2, 1};

void pageTurnOurs(benchmark::State& state) {
  MemoryShowcase showcase;
  std::size_t step = 0;
  for (auto _ : state) {
    const model::UnitId hotArea =
        kForward[step % 4] ? model::kNextPageHotAreaId : model::kPreviousPageHotAreaId;
    showcase.pointAndPress(kMainWindowId, hotArea);
    showcase.queueRelease(kMainWindowId, hotArea);
    const double start = threadCpuSeconds();
    showcase.platform().processEvents();
    showcase.window(kMainWindowId)->grab();
    state.SetIterationTime(threadCpuSeconds() - start);
    if (showcase.state().counter(model::kMalePage) != kPageShown[step % 4]) {
      state.SkipWithError("the release did not turn the page");
      break;
    }
    ++step;
  }
}

void pageTurnFloor(benchmark::State& state) {
  std::array<std::vector<QByteArray>, 4> pictures;
  for (int page = 1; page <= 3; ++page) {
    for (int row = 1; row <= 3; ++row) {
      pictures[page].push_back(assets::assetBytes(model::stripAssetName(model::kMalePage, page, row)));
    }
  }
  std::size_t step = 0;
  for (auto _ : state) {
    const double start = threadCpuSeconds();
    for (const QByteArray& bytes : pictures[kPageShown[step % 4]]) {
      bench::PlainPicture picture;
      bench::floorDecode(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                         static_cast<std::size_t>(bytes.size()), picture);
      benchmark::DoNotOptimize(picture.samples.get());
    }
    state.SetIterationTime(threadCpuSeconds() - start);
    ++step;
  }
}

// ---------------------------------------------------------------- category switch

// Round the five categories, each showing its first page.
constexpr std::array<int, 5> kCategoryOrder = {model::kFemalePage, model::kPropsPage, model::kBadgesPage,
                                               model::kPetsPage, model::kMalePage};

void categorySwitchOurs(benchmark::State& state) {
  MemoryShowcase showcase;
  std::size_t step = 0;
  for (auto _ : state) {
    const int page = kCategoryOrder[step % kCategoryOrder.size()];
    const model::UnitId hotArea = model::kPageHotAreaIds[page];
    showcase.pointAndPress(kMainWindowId, hotArea);
    showcase.queueRelease(kMainWindowId, hotArea);
    const double start = threadCpuSeconds();
    showcase.platform().processEvents();
    showcase.window(kMainWindowId)->grab();
    state.SetIterationTime(threadCpuSeconds() - start);
    if (showcase.currentPage() != page) {
      state.SkipWithError("the release did not switch the category");
      break;
    }
    ++step;
  }
}

// The bare painting of what a switch changes: the black page area with the
// category's three strips and fifteen button faces, already decoded, at the
// places the showcase gives them.
void categorySwitchFloor(benchmark::State& state) {
  MemoryShowcase showcase;
  const QRect container = showcase.rectOf(kMainWindowId, model::kPageContainerId);
  const QImage face = *assets::decodePicture(assets::assetBytes("button_face_1"));
  struct Page {
    std::vector<std::pair<QRect, QImage>> strips;
    std::vector<QRect> buttons;
  };
  std::array<Page, model::kCategoryCount> pages;
  for (int category = 0; category < model::kCategoryCount; ++category) {
    const model::CategoryControls& controls = model::categoryControls()[category];
    for (int row = 1; row <= model::kStripsPerCategory; ++row) {
      pages[category].strips.emplace_back(
          showcase.rectOf(kMainWindowId, controls.strips[row - 1]),
          *assets::decodePicture(assets::assetBytes(model::stripAssetName(category, 1, row))));
    }
    for (model::UnitId button : controls.buttons) {
      pages[category].buttons.push_back(showcase.rectOf(kMainWindowId, button));
    }
  }
  QImage frame(showcase.window(kMainWindowId)->geometry().size(), QImage::Format_RGB32);
  frame.fill(Qt::white);
  std::size_t step = 0;
  for (auto _ : state) {
    const Page& page = pages[kCategoryOrder[step % kCategoryOrder.size()]];
    const double start = threadCpuSeconds();
    {
      QPainter painter(&frame);
      painter.fillRect(container, Qt::black);
      painter.setClipRect(container);
      for (const auto& [rect, picture] : page.strips) painter.drawImage(rect.topLeft(), picture);
      for (const QRect& rect : page.buttons) painter.drawImage(rect.topLeft(), face);
    }
    state.SetIterationTime(threadCpuSeconds() - start);
    benchmark::DoNotOptimize(frame.constBits());
    ++step;
  }
}

// ---------------------------------------------------------------- notice window

void noticeOpenOurs(benchmark::State& state) {
  MemoryShowcase showcase;
  const model::UnitId button = model::categoryControls()[model::kMalePage].buttons[0];
  double firstFrameAt = 0.0;
  // The modal window's loop asks for more work once it has nothing left: the
  // first frame is painted then, and a click on its hot area closes it.
  showcase.platform().setIdleHandler([&] {
    platform::MemoryWindow* notice = showcase.window(model::kNoticeWindowId);
    if (!notice || firstFrameAt != 0.0) return false;
    notice->grab();
    firstFrameAt = threadCpuSeconds();
    showcase.platform().click(*notice, showcase.rectOf(model::kNoticeWindowId, model::kConfirmHotAreaId).center());
    return true;
  });
  for (auto _ : state) {
    showcase.pointAndPress(kMainWindowId, button);
    showcase.queueRelease(kMainWindowId, button);
    firstFrameAt = 0.0;
    const double start = threadCpuSeconds();
    showcase.platform().processEvents();
    if (firstFrameAt == 0.0 || showcase.runtime().isOpen(model::kNoticeWindowId)) {
      state.SkipWithError("the notice window did not open and close");
      break;
    }
    state.SetIterationTime(firstFrameAt - start);
  }
}

void noticeOpenFloor(benchmark::State& state) {
  const QByteArray bytes = assets::assetBytes("notice_face");
  for (auto _ : state) {
    const double start = threadCpuSeconds();
    bench::PlainPicture picture;
    bench::floorDecode(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                       static_cast<std::size_t>(bytes.size()), picture);
    state.SetIterationTime(threadCpuSeconds() - start);
    benchmark::DoNotOptimize(picture.samples.get());
  }
}

void registerPair(const std::string& figure, void (*ours)(benchmark::State&), void (*floor)(benchmark::State&)) {
  benchmark::RegisterBenchmark(bench::oursName(figure).c_str(), ours)->UseManualTime()->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark(bench::floorName(figure).c_str(), floor)->UseManualTime()->Unit(benchmark::kMicrosecond);
}

constexpr const char* kPageTurn = "page turn (floor: bare decode of its 3 strips)";

}  // namespace

int main(int argc, char** argv) {
  // Painting text needs the font database of a QGuiApplication, but no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "1");
  QGuiApplication application(argc, argv);

  registerPair(kPageTurn, pageTurnOurs, pageTurnFloor);
  bench::setTarget(kPageTurn, 1.2, 1.0);
  registerPair("category switch (floor: bare painting of its page)", categorySwitchOurs, categorySwitchFloor);
  registerPair("notice open to first frame (floor: bare decode of notice_face)", noticeOpenOurs, noticeOpenFloor);
  return bench::runPairedFigures(argc, argv);
}
