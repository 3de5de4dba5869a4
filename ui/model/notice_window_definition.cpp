#include "ui/model/notice_window_definition.h"

#include "assets/asset_catalog.h"
#include "ui/model/handler_names.h"

#include <string>

namespace korvane::model {

WindowDefinition noticeWindowDefinition() {
  Unit window;
  window.id = kNoticeWindowUnitId;
  window.kind = Kind::Window;
  window.left = 50;
  window.top = 50;
  window.width = 392;
  window.height = 199;
  window.pointer = PointerId::Default;
  window.settings = WindowSettings{
      .title = QString(),
      .border = BorderStyle::None,
      // The face is one row taller than the window; its bottom row is never seen.
      .facePicture = assets::assetBytes("notice_face"),
      .pictureMode = PictureMode::Tiled,
      .background = Colour::rgb(0, 0, 0),
      .startState = WindowState::Centred,
      .escCloses = true,
      .inTaskbar = true,
      .moveAnywhere = false,
      .icon = {},
  };

  Unit confirm;
  confirm.id = kConfirmHotAreaId;
  confirm.kind = Kind::TransLabel;
  confirm.name = QStringLiteral("透明标签_确定");
  confirm.left = 147;
  confirm.top = 151;
  confirm.width = 88;
  confirm.height = 28;
  confirm.pointer = PointerId::Hand;
  confirm.bindings = {{Event::LeftButtonReleased, std::string(handler_names::noticeClose)}};
  confirm.settings = TransLabelSettings{
      .effect = TransLabelSettings::Effect::None,
      .textColour = Colour::rgb(0, 0, 0),
      .horizontal = HorizontalAlignment::Left,
      .vertical = VerticalAlignment::Centred,
      .wordWrap = false,
      .font = {},
      .text = {},
  };

  return {kNoticeWindowId, {window, confirm}};
}

}  // namespace korvane::model
