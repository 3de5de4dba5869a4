#pragma once

#include "ui/model/kind_registry.h"

namespace korvane::components {

// Registers every kind of this program, and the hand pointer.
void registerStandardKinds(model::KindRegistry& registry);

}  // namespace korvane::components
