#include "app/showcase.h"

#include "app/build_constants.h"
#include "app/navigation.h"
#include "app/page_turning.h"
#include "app/start_up.h"
#include "ui/components/standard_kinds.h"
#include "ui/model/handler_names.h"
#include "ui/model/main_window_definition.h"
#include "ui/model/notice_window_definition.h"

namespace korvane::app {
namespace {

std::vector<model::WindowDefinition> programDefinitions() {
  std::vector<model::WindowDefinition> definitions;
  definitions.push_back(model::mainWindowDefinition(buildContacts()));
  definitions.push_back(model::noticeWindowDefinition());
  return definitions;
}

}  // namespace

Showcase::Showcase(platform::Platform& platform) : Showcase(platform, programDefinitions()) {}

Showcase::Showcase(platform::Platform& platform, std::vector<model::WindowDefinition> definitions)
    : platform_(platform) {
  components::registerStandardKinds(kinds_);
  runtime_ = std::make_unique<model::Runtime>(platform_, kinds_, handlers_, std::move(definitions));
  registerHandlers();
}

bool Showcase::start() { return startProcedure(*runtime_); }

void Showcase::registerHandlers() {
  namespace names = model::handler_names;
  handlers_.add(names::created, [this](const model::EventArgs&) { onMainWindowCreated(*runtime_, state_); });
  registerPageTurning(handlers_, *runtime_, state_);
  registerNavigation(handlers_, *runtime_);
}

}  // namespace korvane::app
