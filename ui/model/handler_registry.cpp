#include "ui/model/handler_registry.h"

#include <stdexcept>

namespace korvane::model {

void HandlerRegistry::add(std::string_view name, Handler handler) {
  handlers_[std::string(name)] = std::move(handler);
}

const Handler& HandlerRegistry::at(std::string_view name) const {
  auto found = handlers_.find(name);
  if (found == handlers_.end()) {
    throw std::logic_error("no handler registered under the name " + std::string(name));
  }
  return found->second;
}

bool HandlerRegistry::has(std::string_view name) const { return handlers_.find(name) != handlers_.end(); }

}  // namespace korvane::model
