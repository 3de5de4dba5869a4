#include "ui/model/control_store.h"

#include <stdexcept>

namespace korvane::model {

ControlStore::ControlStore(WindowDefinition definition)
    : windowId_(definition.windowId), units_(std::move(definition.units)) {
  if (units_.empty() || units_.front().kind != Kind::Window) {
    throw std::invalid_argument("a window definition starts with the window's own unit");
  }
  for (std::size_t i = 0; i < units_.size(); ++i) {
    if (!index_.emplace(units_[i].id, i).second) {
      throw std::invalid_argument("a window definition names a unit id twice");
    }
  }
}

std::optional<std::size_t> ControlStore::indexOf(UnitId id) const {
  auto found = index_.find(id);
  if (found == index_.end()) return std::nullopt;
  return found->second;
}

const Unit* ControlStore::find(UnitId id) const {
  auto index = indexOf(id);
  return index ? &units_[*index] : nullptr;
}

Unit* ControlStore::find(UnitId id) {
  auto index = indexOf(id);
  return index ? &units_[*index] : nullptr;
}

void ControlStore::save() { saved_ = units_; }

void ControlStore::restore() {
  if (!saved_) return;
  units_ = std::move(*saved_);
  saved_.reset();
}

}  // namespace korvane::model
