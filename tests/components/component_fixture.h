#pragma once

// The program's real window definitions, kinds and pictures on the in-memory
// platform, 1024 × 768 unless a test sets another screen before start().
// Every bound handler only writes down its name (and the page, for page
// events), so no handler opens a window or turns a page behind a test's back.

#include "platform/memory/memory_platform.h"
#include "ui/model/handler_registry.h"
#include "ui/model/kind_registry.h"
#include "ui/model/live_window.h"
#include "ui/model/main_window_ids.h"
#include "ui/model/notice_window_definition.h"
#include "ui/model/runtime.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::testing {

inline constexpr model::WindowId kMain = model::kMainWindowId;

// The decoded stored picture of an asset.
QImage decodedAsset(std::string_view name);

// Pixels of `image` in `area` against `picture` from `pictureOrigin` on,
// compared by red, green and blue.
::testing::AssertionResult matchesPicture(const QImage& image, const QRect& area, const QImage& picture,
                                          QPoint pictureOrigin = QPoint(0, 0));
// Every pixel of `area` has the colour.
::testing::AssertionResult filledWith(const QImage& image, const QRect& area, QColor colour);
bool containsColour(const QImage& image, const QRect& area, QColor colour);

// A small GIF file whose pixel (x, y) is palette[index(x, y)].
QByteArray gifPicture(int width, int height, const std::vector<QRgb>& palette,
                      const std::function<int(int x, int y)>& index);

// The rectangle of the pixels in `area` that differ from `background`; empty
// when there are none.
QRect inkBounds(const QImage& image, const QRect& area, QColor background);
// Groups of consecutive rows in `area` with a pixel that differs from
// `background`: one per line of text.
int inkBands(const QImage& image, const QRect& area, QColor background);

class ComponentTest : public ::testing::Test {
 protected:
  ComponentTest();
  ~ComponentTest() override;

  // Before start(): the main window's unit of that id, to change its
  // settings or bindings.
  model::Unit& mainUnit(model::UnitId id);
  template <class Settings>
  Settings& settingsOf(model::UnitId id) {
    return std::get<Settings>(mainUnit(id).settings);
  }
  void bind(model::UnitId id, model::Event event, std::string handler);

  // Loads the main window (and, with `notice`, the notice window, not modally).
  void start();
  void loadNotice();

  platform::MemoryWindow& mainWindow() { return nativeOf(kMain); }
  platform::MemoryWindow& nativeOf(model::WindowId window);
  model::LiveWindow& live(model::WindowId window = kMain) { return *runtime->liveWindow(window); }
  model::LiveControl& control(model::UnitId id) { return *live().control(id); }
  template <class Kind>
  Kind& controlAs(model::UnitId id) {
    auto* kind = dynamic_cast<Kind*>(live().control(id));
    if (!kind) throw std::logic_error("the control is not of the kind asked for");
    return *kind;
  }
  // A control of the main window in window coordinates, as far as its
  // container lets it show.
  QRect windowRectOf(model::UnitId id);
  QPoint centreOf(model::UnitId id) { return windowRectOf(id).center(); }

  model::Value read(model::UnitId id, model::Role role) { return runtime->readProperty(kMain, id, role); }
  void write(model::UnitId id, model::Role role, const model::Value& value) {
    runtime->writeProperty(kMain, id, role, value);
  }
  void showPage(int page) { write(model::kPageContainerId, model::Role::CurrentPage, std::int32_t{page}); }
  const QImage& grab() { return mainWindow().grab(); }

  // Input into the main window, delivered at once.
  void moveTo(QPoint pos);
  void press(QPoint pos);
  void release(QPoint pos);
  void click(QPoint pos);
  void doubleClick(QPoint pos);

  platform::MemoryPlatform platform;
  std::vector<model::WindowDefinition> definitions;
  model::KindRegistry kinds;
  model::HandlerRegistry handlers;
  std::vector<std::string> calls;
  // Runs inside every recording handler, after the call is written down.
  std::function<void(const std::string&)> onCall;
  std::unique_ptr<model::Runtime> runtime;
};

}  // namespace korvane::testing
