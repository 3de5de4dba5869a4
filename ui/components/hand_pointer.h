#pragma once

#include "platform/platform.h"

namespace korvane::components {

// The built-in pointing hand: 32 × 32, black and white, hot spot at the tip
// of the index finger (6, 1). The same object lives for the whole run, so
// windows may keep pointers to it.
const platform::PointerShape& handPointer();

}  // namespace korvane::components
