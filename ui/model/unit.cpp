#include "ui/model/unit.h"

namespace korvane::model {

std::vector<std::vector<UnitId>> pagesOf(const std::vector<UnitId>& pageList) {
  std::vector<std::vector<UnitId>> pages;
  if (pageList.empty()) return pages;
  pages.emplace_back();
  for (UnitId id : pageList) {
    if (id == 0) {
      pages.emplace_back();
    } else {
      pages.back().push_back(id);
    }
  }
  return pages;
}

}  // namespace korvane::model
