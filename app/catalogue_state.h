#pragma once

#include "ui/model/main_window_ids.h"

#include <array>
#include <cstdint>

namespace korvane::app {

// One page counter per item category: the page (from 1) whose strips the
// category shows. 0 until the main window has been created.
struct CatalogueState {
  std::array<std::int32_t, model::kCategoryCount> counters{};  // indexed by category page

  std::int32_t& counter(int categoryPage) { return counters.at(categoryPage); }
};

// How many pages each category has, by category page.
inline constexpr std::array<std::int32_t, model::kCategoryCount> kCategoryPageCounts = {3, 3, 2, 2, 3};

}  // namespace korvane::app
