#pragma once

#include "app/catalogue_state.h"
#include "platform/platform.h"
#include "ui/model/handler_registry.h"
#include "ui/model/kind_registry.h"
#include "ui/model/runtime.h"

#include <memory>

namespace korvane::app {

// The whole program on a given platform: the kinds, the window definitions,
// the handlers and the catalogue state.
class Showcase {
 public:
  explicit Showcase(platform::Platform& platform);
  Showcase(platform::Platform& platform, std::vector<model::WindowDefinition> definitions);

  // Loads the main window; false when it could not be loaded.
  bool start();
  // Runs until the last window is gone, and only if one is open.
  void run() { runtime_->runEventLoop(); }

  model::Runtime& runtime() { return *runtime_; }
  CatalogueState& state() { return state_; }
  platform::Platform& platform() { return platform_; }

 private:
  void registerHandlers();

  platform::Platform& platform_;
  model::KindRegistry kinds_;
  model::HandlerRegistry handlers_;
  CatalogueState state_;
  std::unique_ptr<model::Runtime> runtime_;
};

}  // namespace korvane::app
