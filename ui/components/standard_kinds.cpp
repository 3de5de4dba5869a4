#include "ui/components/standard_kinds.h"

#include "ui/components/hand_pointer.h"
#include "ui/components/hyper_linker.h"
#include "ui/components/page_control.h"
#include "ui/components/pic_box.h"
#include "ui/components/pic_btn.h"
#include "ui/components/trans_label.h"
#include "ui/components/window.h"

namespace korvane::components {

void registerStandardKinds(model::KindRegistry& registry) {
  registry.add(model::Kind::Window, &SkinnedWindow::create);
  registry.add(model::Kind::PicBox, &PicBox::create);
  registry.add(model::Kind::PicBtn, &PicBtn::create);
  registry.add(model::Kind::TransLabel, &TransLabel::create);
  registry.add(model::Kind::HyperLinker, &HyperLinker::create);
  registry.add(model::Kind::PageControl, &PageControl::create);
  registry.setHandPointer(&handPointer());
}

}  // namespace korvane::components
