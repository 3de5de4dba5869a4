#pragma once

#include "ui/model/kind_registry.h"
#include "ui/model/kind_settings.h"

#include <QColor>

#include <memory>
#include <optional>
#include <vector>

namespace korvane::components {

// The page container: several pages of controls, one shown at a time, with
// its headers hidden, so that it shows as a plain surface in its colours.
class PageControl final : public model::LiveControl {
 public:
  static std::unique_ptr<model::LiveControl> create(const model::CreateContext& context);

  PageControl(const model::CreateContext& context, const model::PageControlSettings& settings);

  void paint(QPainter& painter) override;
  model::Value get(model::Role role) const override;
  void set(model::Role role, const model::Value& value) override;
  int currentPage() const override { return current_; }
  int pageCount() const override { return static_cast<int>(pages_.size()); }

  // Makes a page current; a page that does not exist or cannot be selected
  // leaves the current page as it is.
  void selectPage(int page);

 private:
  struct Page {
    bool selectable;
    std::optional<QColor> colour;
  };

  bool isSelectable(int page) const;
  int firstSelectable() const;

  std::vector<Page> pages_;
  QColor background_, pageColour_, frameColour_;
  int current_ = -1;
};

}  // namespace korvane::components
