#include "ui/model/kind_registry.h"

#include <stdexcept>
#include <string>

namespace korvane::model {

void KindRegistry::add(Kind kind, KindConstructor constructor) {
  constructors_[kind] = std::move(constructor);
}

std::unique_ptr<LiveControl> KindRegistry::create(const CreateContext& context) const {
  auto found = constructors_.find(context.unit.kind);
  if (found == constructors_.end()) {
    throw std::logic_error("no constructor registered for kind " +
                           std::string(kindName(context.unit.kind)));
  }
  return found->second(context);
}

}  // namespace korvane::model
