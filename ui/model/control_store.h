#pragma once

#include "ui/model/unit.h"

#include <optional>
#include <unordered_map>
#include <vector>

namespace korvane::model {

// The current settings of every unit of one window definition. While the
// window is loaded a saved copy is kept, and destroying the window puts the
// store back to it, so that each load starts from the definition.
class ControlStore {
 public:
  explicit ControlStore(WindowDefinition definition);

  WindowId windowId() const { return windowId_; }
  UnitId windowUnitId() const { return units_.front().id; }
  const std::vector<Unit>& units() const { return units_; }

  std::optional<std::size_t> indexOf(UnitId id) const;
  const Unit* find(UnitId id) const;
  Unit* find(UnitId id);

  void save();
  void restore();
  bool hasSavedCopy() const { return saved_.has_value(); }

 private:
  WindowId windowId_;
  std::vector<Unit> units_;
  std::optional<std::vector<Unit>> saved_;
  std::unordered_map<UnitId, std::size_t> index_;
};

}  // namespace korvane::model
