#include "tests/components/component_fixture.h"

#include "app/build_constants.h"
#include "tests/assets/fixtures.h"
#include "assets/asset_catalog.h"
#include "assets/decode_picture.h"
#include "ui/components/standard_kinds.h"
#include "ui/model/main_window_definition.h"

#include <stdexcept>

namespace korvane::testing {

QImage decodedAsset(std::string_view name) {
  auto decoded = assets::decodePicture(assets::assetBytes(name));
  if (!decoded) throw std::runtime_error("a stored picture does not decode: " + std::string(name));
  return *decoded;
}

namespace {

QString describe(QRgb rgb) {
  return QStringLiteral("(%1, %2, %3)").arg(qRed(rgb)).arg(qGreen(rgb)).arg(qBlue(rgb));
}

}  // namespace

::testing::AssertionResult matchesPicture(const QImage& image, const QRect& area, const QImage& picture,
                                          QPoint pictureOrigin) {
  int mismatches = 0;
  QString first;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QPoint p = pictureOrigin + QPoint(x - area.left(), y - area.top());
      const QRgb got = image.pixel(x, y) & 0xFFFFFF;
      const QRgb want = picture.pixel(p) & 0xFFFFFF;
      if (got != want && mismatches++ == 0) {
        first = QStringLiteral("at (%1, %2): %3 instead of %4").arg(x).arg(y).arg(describe(got), describe(want));
      }
    }
  }
  if (mismatches == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << mismatches << " pixels differ, first " << first.toStdString();
}

::testing::AssertionResult filledWith(const QImage& image, const QRect& area, QColor colour) {
  const QRgb want = colour.rgb() & 0xFFFFFF;
  int mismatches = 0;
  QString first;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb got = image.pixel(x, y) & 0xFFFFFF;
      if (got != want && mismatches++ == 0) {
        first = QStringLiteral("at (%1, %2): %3").arg(x).arg(y).arg(describe(got));
      }
    }
  }
  if (mismatches == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << mismatches << " pixels are not " << describe(want).toStdString()
                                       << ", first " << first.toStdString();
}

bool containsColour(const QImage& image, const QRect& area, QColor colour) {
  const QRgb want = colour.rgb() & 0xFFFFFF;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == want) return true;
    }
  }
  return false;
}

QByteArray gifPicture(int width, int height, const std::vector<QRgb>& palette,
                      const std::function<int(int x, int y)>& index) {
  assets::testing::GifImage image{0, 0, width, height, false, {}, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.indices.push_back(static_cast<std::uint8_t>(index(x, y)));
  }
  assets::testing::GifFixture fixture;
  fixture.width = width;
  fixture.height = height;
  // giflib takes palettes of 2, 4, 8 … entries only.
  fixture.globalPalette = palette;
  std::size_t entries = 2;
  while (entries < palette.size()) entries *= 2;
  fixture.globalPalette.resize(entries, qRgb(0, 0, 0));
  fixture.images.push_back(image);
  return assets::testing::encodeGif(fixture);
}

QRect inkBounds(const QImage& image, const QRect& area, QColor background) {
  const QRgb bg = background.rgb() & 0xFFFFFF;
  QRect bounds;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) != bg) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

int inkBands(const QImage& image, const QRect& area, QColor background) {
  const QRgb bg = background.rgb() & 0xFFFFFF;
  int bands = 0;
  bool previousHadInk = false;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    bool ink = false;
    for (int x = area.left(); x <= area.right() && !ink; ++x) ink = (image.pixel(x, y) & 0xFFFFFF) != bg;
    if (ink && !previousHadInk) ++bands;
    previousHadInk = ink;
  }
  return bands;
}

ComponentTest::ComponentTest() {
  definitions.push_back(model::mainWindowDefinition(app::buildContacts()));
  definitions.push_back(model::noticeWindowDefinition());
  components::registerStandardKinds(kinds);
}

ComponentTest::~ComponentTest() = default;

model::Unit& ComponentTest::mainUnit(model::UnitId id) {
  for (model::Unit& unit : definitions.front().units) {
    if (unit.id == id) return unit;
  }
  throw std::logic_error("no such unit in the main window");
}

void ComponentTest::bind(model::UnitId id, model::Event event, std::string handler) {
  mainUnit(id).bindings.push_back({event, std::move(handler)});
}

void ComponentTest::start() {
  for (const auto& definition : definitions) {
    for (const auto& unit : definition.units) {
      for (const auto& binding : unit.bindings) {
        if (handlers.has(binding.handler)) continue;
        handlers.add(binding.handler, [this, name = binding.handler](const model::EventArgs& args) {
          const std::string call = args.page >= 0 ? name + ":" + std::to_string(args.page) : name;
          calls.push_back(call);
          if (onCall) onCall(call);
        });
      }
    }
  }
  runtime = std::make_unique<model::Runtime>(platform, kinds, handlers, definitions);
  if (!runtime->loadWindow(kMain, std::nullopt, false)) throw std::runtime_error("the main window did not load");
  platform.processEvents();
  calls.clear();
}

void ComponentTest::loadNotice() {
  if (!runtime->loadWindow(model::kNoticeWindowId, std::nullopt, false)) {
    throw std::runtime_error("the notice window did not load");
  }
  platform.processEvents();
}

platform::MemoryWindow& ComponentTest::nativeOf(model::WindowId window) {
  return dynamic_cast<platform::MemoryWindow&>(runtime->liveWindow(window)->window().native());
}

QRect ComponentTest::windowRectOf(model::UnitId id) {
  const auto originOf = [](const model::LiveControl& c) {
    QPoint origin;
    for (const model::LiveControl* p = &c; p; p = p->parent) origin += p->rect.topLeft();
    return origin;
  };
  const model::LiveControl& c = control(id);
  QRect rect(originOf(c), c.size());
  for (const model::LiveControl* p = c.parent; p; p = p->parent) rect &= QRect(originOf(*p), p->size());
  return rect;
}

void ComponentTest::moveTo(QPoint pos) {
  platform.moveTo(mainWindow(), pos);
  platform.processEvents();
}

void ComponentTest::press(QPoint pos) {
  platform.press(mainWindow(), pos);
  platform.processEvents();
}

void ComponentTest::release(QPoint pos) {
  platform.release(mainWindow(), pos);
  platform.processEvents();
}

void ComponentTest::click(QPoint pos) {
  platform.click(mainWindow(), pos);
  platform.processEvents();
}

void ComponentTest::doubleClick(QPoint pos) {
  platform.doubleClick(mainWindow(), pos);
  platform.processEvents();
}

}  // namespace korvane::testing
