#include "ui/components/standard_kinds.h"

#include "ui/components/window.h"

namespace korvane::components {

void registerStandardKinds(model::KindRegistry& registry) {
  registry.add(model::Kind::Window, &SkinnedWindow::create);
}

}  // namespace korvane::components
