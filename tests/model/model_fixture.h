#pragma once

// Two small windows of the tests' own on the in-memory platform:
//
// window A (200 × 100, drag anywhere, Esc closes; a press on it → "pressedA")
//   hot1 (10,10 20×10, hand pointer) and hot2 (40,10 20×10): release → "hot1" / "hot2"
//   label (100,10 20×10): no binding
//   pages (0,25 200×60), page 0: strip (10,5 50×20, drag surface) and
//   button0 (70,5 20×10, clicked → "btn"); page 1: button1 (70,5 20×10)
// window B (100 × 50, Esc closes): hotB (10,10 20×10): release → "closeB"

#include "platform/memory/memory_platform.h"
#include "tests/model/fake_kinds.h"
#include "ui/model/handler_registry.h"
#include "ui/model/runtime.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace korvane::testing {

inline constexpr model::WindowId kWindowA = 0x52000001;
inline constexpr model::UnitId kWindowAUnit = 0x06000001;
inline constexpr model::UnitId kHot1 = 0x16000001;
inline constexpr model::UnitId kHot2 = 0x16000002;
inline constexpr model::UnitId kStrip = 0x16000003;
inline constexpr model::UnitId kPages = 0x16000004;
inline constexpr model::UnitId kButton0 = 0x16000005;
inline constexpr model::UnitId kButton1 = 0x16000006;
inline constexpr model::UnitId kLabel = 0x16000007;
inline constexpr model::WindowId kWindowB = 0x52000002;
inline constexpr model::UnitId kWindowBUnit = 0x06000002;
inline constexpr model::UnitId kHotB = 0x16000011;

std::vector<model::WindowDefinition> fixtureDefinitions();

class ModelTest : public ::testing::Test {
 protected:
  ModelTest();
  ~ModelTest() override;

  // Every handler name of the fixture writes its name into calls.
  void recordHandler(const std::string& name);
  platform::MemoryWindow& nativeOf(model::WindowId window);
  bool load(model::WindowId window, bool modal = false) { return runtime->loadWindow(window, std::nullopt, modal); }
  model::Value read(model::WindowId window, model::UnitId unit, model::Role role) {
    return runtime->readProperty(window, unit, role);
  }
  void write(model::WindowId window, model::UnitId unit, model::Role role, const model::Value& value) {
    runtime->writeProperty(window, unit, role, value);
  }

  platform::MemoryPlatform platform;
  model::KindRegistry kinds;
  model::HandlerRegistry handlers;
  KindLog log;
  std::vector<std::string> calls;
  std::unique_ptr<model::Runtime> runtime;
};

}  // namespace korvane::testing
