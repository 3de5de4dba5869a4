// Turning a category's pages puts other pictures into its three strips and
// hides the rows that have no items on the new page. Each transition is a
// row of data: the writes in their order, then the new counter.

#include "app/page_turning.h"

#include "assets/asset_catalog.h"
#include "ui/model/handler_names.h"
#include "ui/model/main_window_ids.h"

#include <vector>

namespace korvane::app {
namespace {

using namespace model;

enum class Op { Picture, HideStrip, ShowStrip, HideButtons, ShowButtons };

struct Write {
  Op op;
  int row;           // 1..3
  int pictureOf = 0; // for Picture: the category page whose picture the row shows
};

struct Transition {
  int category;
  int from;
  std::vector<Write> writes;
  int to;
};

Write picture(int row, int page) { return {Op::Picture, row, page}; }
Write hideStrip(int row) { return {Op::HideStrip, row}; }
Write showStrip(int row) { return {Op::ShowStrip, row}; }
Write hideButtons(int row) { return {Op::HideButtons, row}; }
Write showButtons(int row) { return {Op::ShowButtons, row}; }

const std::vector<Transition>& nextTransitions() {
  static const std::vector<Transition> table = {
      {kMalePage, 1, {picture(1, 2), picture(2, 2), picture(3, 2)}, 2},
      {kMalePage, 2, {picture(1, 3), picture(2, 3), picture(3, 3)}, 3},
      {kFemalePage, 1, {picture(1, 2), picture(2, 2), picture(3, 2)}, 2},
      {kFemalePage, 2, {picture(1, 3), picture(2, 3), picture(3, 3)}, 3},
      {kPropsPage, 1, {picture(1, 2), hideStrip(2), hideButtons(2), hideStrip(3), hideButtons(3)}, 2},
      {kBadgesPage, 1, {picture(1, 2), picture(2, 2), hideStrip(3), hideButtons(3)}, 2},
      {kPetsPage, 1, {picture(1, 2), picture(2, 2), picture(3, 2)}, 2},
      {kPetsPage, 2, {picture(1, 3), hideStrip(2), hideButtons(2), hideStrip(3), hideButtons(3)}, 3},
  };
  return table;
}

const std::vector<Transition>& previousTransitions() {
  static const std::vector<Transition> table = {
      {kMalePage, 2, {picture(1, 1), picture(2, 1), picture(3, 1)}, 1},
      {kMalePage, 3, {picture(1, 2), picture(2, 2), picture(3, 2)}, 2},
      {kFemalePage, 2, {picture(1, 1), picture(2, 1), picture(3, 1)}, 1},
      {kFemalePage, 3, {picture(1, 2), picture(2, 2), picture(3, 2)}, 2},
      {kPropsPage, 2,
       {picture(1, 1), showStrip(2), picture(2, 1), showButtons(2), showStrip(3), picture(3, 1), showButtons(3)},
       1},
      {kBadgesPage, 2, {picture(1, 1), picture(2, 1), showStrip(3), picture(3, 1), showButtons(3)}, 1},
      {kPetsPage, 2, {picture(1, 1), picture(2, 1), picture(3, 1)}, 1},
      {kPetsPage, 3,
       {picture(1, 2), picture(2, 2), picture(3, 2), showStrip(2), showButtons(2), showStrip(3), showButtons(3)},
       2},
  };
  return table;
}

void setVisible(Runtime& runtime, UnitId control, bool visible) {
  runtime.writeProperty(kMainWindowId, control, Role::Visible, visible);
}

void apply(Runtime& runtime, int category, const Write& write) {
  const CategoryControls& controls = categoryControls()[category];
  const UnitId strip = controls.strips[write.row - 1];
  switch (write.op) {
    case Op::Picture:
      runtime.writeProperty(kMainWindowId, strip, Role::Picture,
                            assets::assetBytes(stripAssetName(category, write.pictureOf, write.row)));
      break;
    case Op::HideStrip:
    case Op::ShowStrip:
      setVisible(runtime, strip, write.op == Op::ShowStrip);
      break;
    case Op::HideButtons:
    case Op::ShowButtons:
      for (int n = (write.row - 1) * kButtonsPerStrip; n < write.row * kButtonsPerStrip; ++n) {
        setVisible(runtime, controls.buttons[n], write.op == Op::ShowButtons);
      }
      break;
  }
}

void turn(Runtime& runtime, CatalogueState& state, const std::vector<Transition>& table) {
  const Value current = runtime.readProperty(kMainWindowId, kPageContainerId, Role::CurrentPage);
  const auto page = asInteger(current);
  if (!page || *page < 0 || *page >= kCategoryCount) return;
  const int category = *page;
  std::int32_t& counter = state.counter(category);
  for (const Transition& transition : table) {
    if (transition.category != category || transition.from != counter) continue;
    for (const Write& write : transition.writes) apply(runtime, category, write);
    counter = transition.to;
    return;
  }
}

}  // namespace

void turnToNextPage(Runtime& runtime, CatalogueState& state) { turn(runtime, state, nextTransitions()); }

void turnToPreviousPage(Runtime& runtime, CatalogueState& state) { turn(runtime, state, previousTransitions()); }

void registerPageTurning(HandlerRegistry& handlers, Runtime& runtime, CatalogueState& state) {
  handlers.add(handler_names::nextPage, [&runtime, &state](const EventArgs&) { turnToNextPage(runtime, state); });
  handlers.add(handler_names::previousPage,
               [&runtime, &state](const EventArgs&) { turnToPreviousPage(runtime, state); });
}

}  // namespace korvane::app
