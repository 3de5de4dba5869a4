#include "tests/storm/storm.h"

#include "app/catalogue_state.h"
#include "app/showcase.h"
#include "assets/asset_catalog.h"
#include "platform/memory/memory_platform.h"
#include "tests/support/seeded_random.h"
#include "ui/components/pic_box.h"
#include "ui/model/live_window.h"
#include "ui/model/main_window_ids.h"
#include "ui/model/notice_window_definition.h"

#include <QPainter>

#include <climits>
#include <exception>
#include <optional>
#include <sstream>
#include <vector>

namespace korvane::storm {
namespace {

using namespace model;
using platform::MemoryPlatform;
using platform::MemoryWindow;
using platform::MouseAction;

using Random = testing::SeededRandom;

// The rows that a category hides on one of its pages; every other row shows
// the strip picture named by its category, page and row.
bool rowShown(int category, int page, int row) {
  if (category == kPropsPage && page == 2) return row == 1;
  if (category == kBadgesPage && page == 2) return row != 3;
  if (category == kPetsPage && page == 3) return row == 1;
  return true;
}

constexpr std::int32_t kPageWrites[] = {0, 1, 2, 3, 4, 5, -1, 6, INT_MAX, INT_MIN};
constexpr std::int32_t kWindowStates[] = {0, 1, 2, 3, -1, 4, 100, INT_MAX, INT_MIN};

enum class Action {
  Move, Press, Release, DoubleClick, OtherButton, Escape, ShiftEscape, ModifiedEscape, OtherKey,
  CloseRequest, Activate, WindowState, PageWrite,
};

// Weights per thousand. Esc on the main window ends the program, so it is
// rare; Esc aimed at an open notice window is common.
constexpr std::pair<Action, int> kActionWeights[] = {
    {Action::Move, 300},       {Action::Press, 130},       {Action::Release, 170},
    {Action::DoubleClick, 60}, {Action::OtherButton, 30},  {Action::Escape, 40},
    {Action::ShiftEscape, 30}, {Action::ModifiedEscape, 15}, {Action::OtherKey, 20},
    {Action::CloseRequest, 1}, {Action::Activate, 21},     {Action::WindowState, 30},
    {Action::PageWrite, 153},
};

class Storm {
 public:
  explicit Storm(const StormSettings& settings) : settings_(settings), random_(settings.seed) {
    for (int category = 0; category < kCategoryCount; ++category) {
      for (int page = 1; page <= app::kCategoryPageCounts[category]; ++page) {
        for (int row = 1; row <= kStripsPerCategory; ++row) {
          expected_[category][page - 1][row - 1] = assets::assetBytes(stripAssetName(category, page, row));
        }
      }
    }
  }

  StormReport run() {
    while (report_.events < settings_.events && report_.failure.empty()) runProgram();
    return report_;
  }

 private:
  void runProgram() {
    MemoryPlatform platform;
    app::Showcase showcase(platform);
    platform_ = &platform;
    showcase_ = &showcase;
    wrapUpAttempts_ = 0;
    noticeWasOpen_ = false;
    lastCounters_.reset();
    platform.setIdleHandler([this] { return idle(); });
    ++report_.programs;
    try {
      if (!showcase.start()) {
        fail("the main window did not load");
      } else {
        check(false);
        showcase.run();
        if (report_.failure.empty() && report_.events < settings_.events &&
            showcase.runtime().isOpen(kMainWindowId)) {
          fail("the event loop stopped while the main window was open");
        }
      }
    } catch (const std::exception& error) {
      fail(std::string("the program threw: ") + error.what());
    }
    platform.setIdleHandler({});
    platform_ = nullptr;
    showcase_ = nullptr;
  }

  Runtime& runtime() { return showcase_->runtime(); }

  MemoryWindow* nativeOf(WindowId window) {
    LiveWindow* live = runtime().liveWindow(window);
    return live ? dynamic_cast<MemoryWindow*>(&live->window().native()) : nullptr;
  }

  // Called by the loops whenever all queued work is done: the moment to
  // check, then to queue the next event.
  // Now and then a burst of events is queued at once, as a quick user's input
  // arrives, so that requests the program posts come after input already
  // waiting instead of always before it.
  bool idle() {
    if (report_.failure.empty()) check(true);
    if (report_.failure.empty() && report_.events < settings_.events) {
      const int burst = random_.chance(150) ? random_.between(2, 4) : 1;
      for (int i = 0; i < burst && report_.events < settings_.events; ++i) {
        inject();
        ++report_.events;
      }
      return true;
    }
    return wrapUp();
  }

  // A nested loop ends only with its window, so an open notice window is
  // closed before the storm lets the loops run dry.
  bool wrapUp() {
    if (!runtime().isOpen(kNoticeWindowId)) return false;
    if (wrapUpAttempts_++ < 3) {
      platform_->key(*nativeOf(kNoticeWindowId), platform::Key::Escape);
    } else {
      runtime().destroyWindow(kNoticeWindowId, true);
      platform_->post([] {});
    }
    return true;
  }

  void fail(const std::string& what) {
    if (!report_.failure.empty()) return;
    std::ostringstream out;
    out << what << " (seed " << settings_.seed << ", after event " << report_.events << ", program "
        << report_.programs << ")";
    report_.failure = out.str();
  }

  void mix(std::uint64_t value) { report_.trace = (report_.trace ^ value) * 0x100000001B3ull; }

  // ------------------------------------------------------------ invariants

  void check(bool insideLoop) {
    if (!runtime().isOpen(kMainWindowId)) {
      // A close request that was queued behind an obtain click leaves the
      // notice window open alone; it must still be the only other window.
      const int expected = runtime().isOpen(kNoticeWindowId) ? 1 : 0;
      if (const int shown = shownWindows(nullptr); shown != expected) {
        fail(std::to_string(shown) + " windows are shown without the main window");
      }
      return;
    }
    LiveWindow& main = *runtime().liveWindow(kMainWindowId);
    const ControlStore& store = *runtime().store(kMainWindowId);
    const auto& counters = showcase_->state().counters;

    for (int category = 0; category < kCategoryCount; ++category) {
      const std::int32_t counter = counters[category];
      if (counter < 1 || counter > app::kCategoryPageCounts[category]) {
        return fail("the counter of category " + std::to_string(category) + " is " + std::to_string(counter));
      }
      report_.categoryPagesSeen[category] |= 1u << counter;
    }
    if (lastCounters_ && *lastCounters_ != counters) ++report_.pageTurns;
    lastCounters_ = counters;

    const auto page = asInteger(runtime().readProperty(kMainWindowId, kPageContainerId, Role::CurrentPage));
    if (!page || *page < 0 || *page >= kPageCount) {
      return fail("the current page is " + (page ? std::to_string(*page) : std::string("no integer")));
    }
    ++report_.pagesSeen[*page];

    if (!checkPageTable(main, store, counters)) return;
    if (!checkOnlyCurrentPageShows(main, store, *page)) return;
    if (!checkWindows(main, insideLoop)) return;

    mix(static_cast<std::uint64_t>(*page));
    for (std::int32_t counter : counters) mix(static_cast<std::uint64_t>(counter));
    const QRect geometry = main.window().native().geometry();
    mix(static_cast<std::uint64_t>(geometry.x()) << 32 ^ static_cast<std::uint32_t>(geometry.y()));
    mix(static_cast<std::uint64_t>(main.window().native().showState()));
    mix(runtime().isOpen(kNoticeWindowId));
  }

  bool checkPageTable(LiveWindow& main, const ControlStore& store,
                      const std::array<std::int32_t, kCategoryCount>& counters) {
    for (int category = 0; category < kCategoryCount; ++category) {
      const CategoryControls& controls = categoryControls()[category];
      const int page = counters[category];
      for (int row = 1; row <= kStripsPerCategory; ++row) {
        const bool shown = rowShown(category, page, row);
        const std::string where = "category " + std::to_string(category) + " page " + std::to_string(page) +
                                  " row " + std::to_string(row);
        const UnitId strip = controls.strips[row - 1];
        if (store.find(strip)->visible != shown) {
          fail("the strip of " + where + " has visible " + std::to_string(!shown));
          return false;
        }
        for (int n = (row - 1) * kButtonsPerStrip; n < row * kButtonsPerStrip; ++n) {
          if (store.find(controls.buttons[n])->visible != shown) {
            fail("obtain button " + std::to_string(n + 1) + " of " + where + " has visible " +
                 std::to_string(!shown));
            return false;
          }
        }
        if (!shown) continue;
        const auto* box = dynamic_cast<const components::PicBox*>(main.control(strip));
        if (!box) {
          fail("the strip of " + where + " is no live picture box");
          return false;
        }
        const QByteArray& want = expected_[category][page - 1][row - 1];
        const QByteArray& have = box->picture();
        const bool same = (have.constData() == want.constData() && have.size() == want.size()) || have == want;
        if (!same || !box->hasDecodedPicture()) {
          fail("the strip of " + where + " does not show " + stripAssetName(category, page, row));
          return false;
        }
      }
    }
    return true;
  }

  bool checkOnlyCurrentPageShows(LiveWindow& main, const ControlStore& store, int current) {
    const std::vector<std::vector<UnitId>> pages = pagesOf(store.find(kPageContainerId)->pageList);
    for (std::size_t index = 0; index < pages.size(); ++index) {
      for (UnitId id : pages[index]) {
        const LiveControl* control = main.control(id);
        const bool expected = static_cast<int>(index) == current && store.find(id)->visible;
        if (!control || control->shown != expected) {
          fail("control " + std::to_string(id) + " of page " + std::to_string(index) + " is " +
               (expected ? "hidden" : "shown") + " while page " + std::to_string(current) + " is current");
          return false;
        }
        if (static_cast<int>(index) != current &&
            asLogical(runtime().readProperty(kMainWindowId, id, Role::Visible)).value_or(true)) {
          fail("control " + std::to_string(id) + " of page " + std::to_string(index) + " reads as visible");
          return false;
        }
      }
    }
    return true;
  }

  // Windows on screen, minimised ones included, other than `except`. A
  // destroyed window is hidden at once but freed a little later.
  int shownWindows(const platform::NativeWindow* except) const {
    int count = 0;
    for (MemoryWindow* window : platform_->windows()) {
      if (window != except && window->showState() != platform::ShowState::Hidden) ++count;
    }
    return count;
  }

  bool checkWindows(LiveWindow& main, bool insideLoop) {
    const bool noticeOpen = runtime().isOpen(kNoticeWindowId);
    const int others = shownWindows(&main.window().native());
    if (others > 1) {
      fail(std::to_string(others) + " windows besides the main window are shown");
      return false;
    }
    if (others != (noticeOpen ? 1 : 0)) {
      fail("the notice window is " + std::string(noticeOpen ? "open" : "closed") + " but " +
           std::to_string(others) + " other windows are shown");
      return false;
    }
    const bool mainDisabled = !main.window().native().inputEnabled();
    const bool readDisabled =
        asLogical(runtime().readProperty(kMainWindowId, kMainWindowUnitId, Role::Disabled)).value_or(false);
    if (mainDisabled != noticeOpen || readDisabled != noticeOpen) {
      fail(std::string("the main window is ") + (mainDisabled ? "disabled" : "enabled") + " while the notice window is " +
           (noticeOpen ? "open" : "closed"));
      return false;
    }
    if (insideLoop && platform_->loopDepth() != (noticeOpen ? 2 : 1)) {
      fail(std::to_string(platform_->loopDepth()) + " loops run with the notice window " +
           (noticeOpen ? "open" : "closed"));
      return false;
    }
    if (noticeOpen && !noticeWasOpen_) ++report_.noticeOpenings;
    noticeWasOpen_ = noticeOpen;
    return true;
  }

  // ------------------------------------------------------------ input

  Action pickAction() {
    int roll = random_.below(1000);
    for (const auto& [action, weight] : kActionWeights) {
      if (roll < weight) return action;
      roll -= weight;
    }
    return Action::Move;
  }

  // Mostly a point of a hot area or hyperlink box, else of any control, else
  // anywhere on the window or a little outside it; now and then the last
  // point again, so that presses and releases meet on the same control.
  QPoint pickPoint(WindowId window, MemoryWindow& native) {
    if (lastWindow_ == window && random_.chance(350)) return lastPoint_;
    const QSize size = native.geometry().size();
    QPoint point(random_.between(-8, size.width() + 7), random_.between(-8, size.height() + 7));
    const int roll = random_.below(1000);
    if (roll < 650) {
      const std::vector<Unit>& units = runtime().store(window)->units();
      std::vector<const Unit*> candidates;
      for (std::size_t i = 1; i < units.size(); ++i) {
        const bool hot = units[i].kind == Kind::TransLabel || units[i].kind == Kind::HyperLinker;
        if (roll >= 450 || hot) candidates.push_back(&units[i]);
      }
      // The close hot area ends the program; aimed at every time, it would
      // leave the program little time to get anywhere.
      if (!random_.chance(100)) std::erase_if(candidates, [](const Unit* u) { return u->id == kCloseHotAreaId; });
      if (!candidates.empty()) {
        const Unit& unit = *candidates[random_.below(static_cast<int>(candidates.size()))];
        if (const LiveControl* control = runtime().liveWindow(window)->control(unit.id)) {
          QPoint origin = control->rect.topLeft();
          for (const LiveControl* p = control->parent; p; p = p->parent) origin += p->rect.topLeft();
          const QRect rect(origin, control->rect.size());
          point = QPoint(random_.between(rect.left(), rect.right()), random_.between(rect.top(), rect.bottom()));
        }
      }
    }
    lastWindow_ = window;
    lastPoint_ = point;
    return point;
  }

  void inject() {
    const bool mainOpen = runtime().isOpen(kMainWindowId);
    const bool noticeOpen = runtime().isOpen(kNoticeWindowId);
    if (!mainOpen && !noticeOpen) {
      platform_->post([] {});
      return;
    }
    const WindowId window = !mainOpen || (noticeOpen && random_.chance(500)) ? kNoticeWindowId : kMainWindowId;
    MemoryWindow* native = nativeOf(window);
    const Action action = pickAction();
    mix(static_cast<std::uint64_t>(action) << 40 ^ window);

    if (settings_.paintEvery > 0 && report_.events % settings_.paintEvery == 0) paintAll();

    switch (action) {
      case Action::Move:
      case Action::Press:
      case Action::Release:
      case Action::DoubleClick: {
        const QPoint point = pickPoint(window, *native);
        mix(static_cast<std::uint64_t>(point.x()) << 32 ^ static_cast<std::uint32_t>(point.y()));
        const MouseAction mouse = action == Action::Move      ? MouseAction::Move
                                  : action == Action::Press   ? MouseAction::Press
                                  : action == Action::Release ? MouseAction::Release
                                                              : MouseAction::DoubleClick;
        platform_->mouse(*native, mouse, point, action == Action::Move ? platform::NoButton : platform::LeftButton,
                         randomModifiers());
        break;
      }
      case Action::OtherButton: {
        const QPoint point = pickPoint(window, *native);
        const unsigned button = random_.chance(500) ? platform::RightButton : platform::MiddleButton;
        const MouseAction mouse = random_.chance(500) ? MouseAction::Press : MouseAction::Release;
        platform_->mouse(*native, mouse, point, button);
        break;
      }
      case Action::Escape:
        // Aimed at the notice window when it is open; on the main window
        // rarely, since it ends the program.
        if (noticeOpen) {
          platform_->key(*nativeOf(kNoticeWindowId), platform::Key::Escape);
        } else if (random_.chance(15)) {
          platform_->key(*native, platform::Key::Escape);
        } else {
          platform_->key(*native, platform::Key::Escape, platform::ShiftModifier);
        }
        break;
      case Action::ShiftEscape:
        platform_->key(*native, platform::Key::Escape, platform::ShiftModifier);
        break;
      case Action::ModifiedEscape:
        platform_->key(*native, platform::Key::Escape,
                       random_.chance(500) ? platform::CtrlModifier : platform::AltModifier);
        break;
      case Action::OtherKey:
        platform_->key(*native, platform::Key::Other, randomModifiers());
        break;
      case Action::CloseRequest:
        platform_->requestClose(*native);
        break;
      case Action::Activate:
        platform_->activate(mainOpen ? *nativeOf(kMainWindowId) : *native);
        break;
      case Action::WindowState: {
        const std::int32_t state = kWindowStates[random_.below(std::size(kWindowStates))];
        const UnitId unit = window == kMainWindowId ? kMainWindowUnitId : kNoticeWindowUnitId;
        mix(static_cast<std::uint32_t>(state));
        ++report_.windowStateWrites;
        platform_->post([this, window, unit, state] {
          runtime().writeProperty(window, unit, Role::WindowState, state);
        });
        break;
      }
      case Action::PageWrite: {
        const std::int32_t page = kPageWrites[random_.below(std::size(kPageWrites))];
        mix(static_cast<std::uint32_t>(page));
        ++report_.pageWrites;
        platform_->post([this, page] {
          runtime().writeProperty(kMainWindowId, kPageContainerId, Role::CurrentPage, page);
        });
        break;
      }
    }
  }

  unsigned randomModifiers() {
    return random_.chance(850) ? platform::NoModifier : static_cast<unsigned>(random_.between(1, 7));
  }

  void paintAll() {
    for (MemoryWindow* window : platform_->windows()) {
      if (window->showState() != platform::ShowState::Hidden) {
        window->update(QRect(QPoint(0, 0), window->geometry().size()));
        window->grab();
        ++report_.paints;
      }
    }
  }

  StormSettings settings_;
  Random random_;
  StormReport report_;
  std::array<std::array<std::array<QByteArray, kStripsPerCategory>, 3>, kCategoryCount> expected_;
  MemoryPlatform* platform_ = nullptr;
  app::Showcase* showcase_ = nullptr;
  int wrapUpAttempts_ = 0;
  bool noticeWasOpen_ = false;
  std::optional<std::array<std::int32_t, kCategoryCount>> lastCounters_;
  WindowId lastWindow_ = 0;
  QPoint lastPoint_;
};

}  // namespace

StormReport runStorm(const StormSettings& settings) { return Storm(settings).run(); }

}  // namespace korvane::storm
