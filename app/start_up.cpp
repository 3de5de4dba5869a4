#include "app/start_up.h"

#include "assets/asset_catalog.h"
#include "ui/model/main_window_ids.h"

namespace korvane::app {

void onMainWindowCreated(model::Runtime& runtime, CatalogueState& state) {
  // The mask has no white pixel, so the outline keeps the whole window; a
  // failure leaves the plain rectangle, which looks the same.
  runtime.setOutlineFromPicture(model::kMainWindowId, assets::assetBytes("shape_mask"));
  for (int page : {model::kPetsPage, model::kBadgesPage, model::kPropsPage, model::kFemalePage,
                   model::kMalePage}) {
    state.counter(page) = 1;
  }
}

bool startProcedure(model::Runtime& runtime) {
  return runtime.loadWindow(model::kMainWindowId, std::nullopt, false);
}

}  // namespace korvane::app
