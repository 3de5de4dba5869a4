#pragma once

#include "ui/model/handler_registry.h"
#include "ui/model/runtime.h"

namespace korvane::app {

// The category hot areas, the title strip's commands (contact, minimise,
// close) and the notice window's opening and closing.
void registerNavigation(model::HandlerRegistry& handlers, model::Runtime& runtime);

}  // namespace korvane::app
