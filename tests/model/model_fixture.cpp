#include "tests/model/model_fixture.h"

#include "ui/model/live_window.h"

namespace korvane::testing {
namespace {

using namespace model;

Unit control(UnitId id, Kind kind, QRect rect, KindSettings settings) {
  Unit unit;
  unit.id = id;
  unit.kind = kind;
  unit.name = QString::number(id, 16);
  unit.left = rect.left();
  unit.top = rect.top();
  unit.width = rect.width();
  unit.height = rect.height();
  unit.settings = std::move(settings);
  return unit;
}

Unit windowUnit(UnitId id, QRect rect, bool moveAnywhere) {
  WindowSettings settings;
  settings.escCloses = true;
  settings.moveAnywhere = moveAnywhere;
  return control(id, Kind::Window, rect, settings);
}

Unit hotArea(UnitId id, QRect rect, const char* handler) {
  Unit unit = control(id, Kind::TransLabel, rect, TransLabelSettings{});
  if (handler) unit.bindings.push_back({Event::LeftButtonReleased, handler});
  return unit;
}

}  // namespace

std::vector<WindowDefinition> fixtureDefinitions() {
  WindowDefinition a{kWindowA, {}};
  a.units.push_back(windowUnit(kWindowAUnit, QRect(10, 10, 200, 100), true));
  a.units.back().bindings.push_back({Event::Created, "createdA"});
  a.units.back().bindings.push_back({Event::LeftButtonPressed, "pressedA"});
  a.units.push_back(hotArea(kHot1, QRect(10, 10, 20, 10), "hot1"));
  a.units.back().pointer = PointerId::Hand;
  a.units.push_back(hotArea(kHot2, QRect(40, 10, 20, 10), "hot2"));
  Unit strip = control(kStrip, Kind::PicBox, QRect(10, 5, 50, 20), PicBoxSettings{});
  strip.parent = kPages;
  a.units.push_back(strip);
  PageControlSettings pageSettings;
  pageSettings.pages.resize(2);
  Unit pages = control(kPages, Kind::PageControl, QRect(0, 25, 200, 60), pageSettings);
  pages.pageList = {kStrip, kButton0, 0, kButton1};
  a.units.push_back(pages);
  Unit button0 = control(kButton0, Kind::PicBtn, QRect(70, 5, 20, 10), PicBtnSettings{});
  button0.parent = kPages;
  button0.bindings.push_back({Event::Clicked, "btn"});
  a.units.push_back(button0);
  Unit button1 = control(kButton1, Kind::PicBtn, QRect(70, 5, 20, 10), PicBtnSettings{});
  button1.parent = kPages;
  a.units.push_back(button1);
  a.units.push_back(hotArea(kLabel, QRect(100, 10, 20, 10), nullptr));

  WindowDefinition b{kWindowB, {}};
  b.units.push_back(windowUnit(kWindowBUnit, QRect(300, 300, 100, 50), false));
  b.units.push_back(hotArea(kHotB, QRect(10, 10, 20, 10), "closeB"));
  return {a, b};
}

ModelTest::ModelTest() {
  registerFakeKinds(kinds, log);
  runtime = std::make_unique<Runtime>(platform, kinds, handlers, fixtureDefinitions());
  for (const char* name : {"createdA", "pressedA", "hot1", "hot2", "btn", "closeB"}) recordHandler(name);
}

ModelTest::~ModelTest() { runtime.reset(); }

void ModelTest::recordHandler(const std::string& name) {
  handlers.add(name, [this, name](const EventArgs&) { calls.push_back(name); });
}

platform::MemoryWindow& ModelTest::nativeOf(WindowId window) {
  LiveWindow* live = runtime->liveWindow(window);
  if (!live) throw std::logic_error("window not loaded");
  return dynamic_cast<platform::MemoryWindow&>(live->window().native());
}

}  // namespace korvane::testing
