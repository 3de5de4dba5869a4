#include "ui/model/notice_window_definition.h"

#include "assets/asset_catalog.h"
#include "tests/definitions/expected_main_window.h"
#include "ui/model/handler_names.h"

#include <gtest/gtest.h>

namespace korvane::model {
namespace {

TEST(NoticeWindowDefinition, HoldsTheWindowUnitAndTheConfirmHotArea) {
  const WindowDefinition definition = noticeWindowDefinition();
  EXPECT_EQ(definition.windowId, 0x52010303u);
  ASSERT_EQ(definition.units.size(), 2u);

  const Unit& window = definition.units[0];
  EXPECT_EQ(window.id, 0x06010302u);
  EXPECT_EQ(window.kind, Kind::Window);
  EXPECT_TRUE(window.name.isEmpty());
  EXPECT_EQ(window.left, 50);
  EXPECT_EQ(window.top, 50);
  EXPECT_EQ(window.width, 392);
  EXPECT_EQ(window.height, 199);
  EXPECT_EQ(window.parent, std::nullopt);
  EXPECT_EQ(window.pointer, PointerId::Default);
  EXPECT_TRUE(window.bindings.empty());

  const Unit& confirm = definition.units[1];
  EXPECT_EQ(confirm.id, 0x16011D11u);
  EXPECT_EQ(confirm.kind, Kind::TransLabel);
  EXPECT_EQ(confirm.name, "透明标签_确定");
  EXPECT_EQ(confirm.left, 147);
  EXPECT_EQ(confirm.top, 151);
  EXPECT_EQ(confirm.width, 88);
  EXPECT_EQ(confirm.height, 28);
  EXPECT_EQ(confirm.parent, std::nullopt);
  EXPECT_EQ(confirm.pointer, PointerId::Hand);
  EXPECT_EQ(confirm.bindings, (std::vector<EventBinding>{
                                  {Event::LeftButtonReleased, std::string(handler_names::noticeClose)}}));

  for (const Unit& unit : definition.units) {
    SCOPED_TRACE(unit.name.toStdString());
    EXPECT_TRUE(unit.visible);
    EXPECT_FALSE(unit.disabled);
    EXPECT_FALSE(unit.tabStop);
    EXPECT_EQ(unit.tabOrder, 0);
    EXPECT_TRUE(unit.tag.isEmpty());
    EXPECT_TRUE(unit.remark.isEmpty());
    EXPECT_TRUE(unit.pageList.empty());
  }
}

TEST(NoticeWindowDefinition, WindowIsATiledBlackFaceThatCannotBeDragged) {
  const WindowDefinition definition = noticeWindowDefinition();
  ASSERT_FALSE(definition.units.empty());
  const auto* window = std::get_if<WindowSettings>(&definition.units[0].settings);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->title.isEmpty());
  EXPECT_EQ(window->border, BorderStyle::None);
  EXPECT_EQ(window->facePicture, assets::assetBytes("notice_face"));
  EXPECT_FALSE(window->facePicture.isEmpty());
  EXPECT_EQ(window->pictureMode, PictureMode::Tiled);
  EXPECT_EQ(window->background, Colour::rgb(0, 0, 0));
  EXPECT_EQ(window->startState, WindowState::Centred);
  EXPECT_TRUE(window->escCloses);
  EXPECT_TRUE(window->inTaskbar);
  EXPECT_FALSE(window->moveAnywhere);
  EXPECT_TRUE(window->icon.isEmpty());
}

TEST(NoticeWindowDefinition, ConfirmHotAreaDrawsNothing) {
  const WindowDefinition definition = noticeWindowDefinition();
  ASSERT_EQ(definition.units.size(), 2u);
  const auto* label = std::get_if<TransLabelSettings>(&definition.units[1].settings);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->effect, TransLabelSettings::Effect::None);
  EXPECT_EQ(label->textColour, Colour::rgb(0, 0, 0));
  EXPECT_EQ(label->horizontal, HorizontalAlignment::Left);
  EXPECT_EQ(label->vertical, VerticalAlignment::Centred);
  EXPECT_FALSE(label->wordWrap);
  EXPECT_TRUE(label->font.isDefault());
  EXPECT_TRUE(label->text.isEmpty());
}

}  // namespace
}  // namespace korvane::model
