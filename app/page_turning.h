#pragma once

#include "app/catalogue_state.h"
#include "ui/model/handler_registry.h"
#include "ui/model/runtime.h"

namespace korvane::app {

// The next-page and previous-page handlers of the navigation bar.
void registerPageTurning(model::HandlerRegistry& handlers, model::Runtime& runtime, CatalogueState& state);

void turnToNextPage(model::Runtime& runtime, CatalogueState& state);
void turnToPreviousPage(model::Runtime& runtime, CatalogueState& state);

}  // namespace korvane::app
