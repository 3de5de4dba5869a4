#pragma once

#include "app/catalogue_state.h"
#include "ui/model/runtime.h"

namespace korvane::app {

// The main window's created handler: cuts the window's outline from the
// shape mask, then puts every category on its first page.
void onMainWindowCreated(model::Runtime& runtime, CatalogueState& state);

// Loads the main window, without a parent and not modally.
bool startProcedure(model::Runtime& runtime);

}  // namespace korvane::app
