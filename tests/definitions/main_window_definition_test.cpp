#include "ui/model/main_window_definition.h"

#include "assets/asset_catalog.h"
#include "tests/definitions/expected_main_window.h"
#include "ui/model/handler_names.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace korvane::model {
namespace {

const Contacts kContacts{"800012345", "https://www.example.com"};

const Unit& unitNamed(const WindowDefinition& definition, const QString& name) {
  for (const Unit& unit : definition.units) {
    if (unit.name == name) return unit;
  }
  throw std::out_of_range("no unit named " + name.toStdString());
}

template <typename Settings>
const Settings& settingsOf(const Unit& unit) {
  const Settings* settings = std::get_if<Settings>(&unit.settings);
  if (!settings) throw std::logic_error(unit.name.toStdString() + " has settings of another kind");
  return *settings;
}

bool settingsMatchKind(const Unit& unit) {
  switch (unit.kind) {
    case Kind::Window: return std::holds_alternative<WindowSettings>(unit.settings);
    case Kind::PicBox: return std::holds_alternative<PicBoxSettings>(unit.settings);
    case Kind::PicBtn: return std::holds_alternative<PicBtnSettings>(unit.settings);
    case Kind::TransLabel: return std::holds_alternative<TransLabelSettings>(unit.settings);
    case Kind::HyperLinker: return std::holds_alternative<HyperLinkerSettings>(unit.settings);
    case Kind::PageControl: return std::holds_alternative<PageControlSettings>(unit.settings);
  }
  return false;
}

class MainWindowDefinitionTest : public ::testing::Test {
 protected:
  const WindowDefinition definition = mainWindowDefinition(kContacts);
  const std::vector<expected::ExpectedUnit> expectedUnits = expected::mainWindowUnits();
};

TEST_F(MainWindowDefinitionTest, HoldsTheWindowUnitAndItsControlsInUnitOrder) {
  EXPECT_EQ(definition.windowId, 0x52010003u);
  ASSERT_EQ(definition.units.size(), 107u);
  for (std::size_t i = 0; i < expectedUnits.size(); ++i) {
    EXPECT_EQ(definition.units[i].name, expectedUnits[i].name) << "unit " << i;
  }
}

TEST_F(MainWindowDefinitionTest, EveryUnitHasTheKindIdPlaceAndSizeOfItsTableRow) {
  ASSERT_EQ(definition.units.size(), expectedUnits.size());
  for (std::size_t i = 0; i < expectedUnits.size(); ++i) {
    const Unit& unit = definition.units[i];
    const expected::ExpectedUnit& want = expectedUnits[i];
    SCOPED_TRACE(want.name.toStdString() + " (unit " + std::to_string(i) + ")");
    EXPECT_EQ(unit.kind, want.kind);
    EXPECT_EQ(unit.id, want.id);
    EXPECT_EQ(unit.left, want.left);
    EXPECT_EQ(unit.top, want.top);
    EXPECT_EQ(unit.width, want.width);
    EXPECT_EQ(unit.height, want.height);
    EXPECT_TRUE(settingsMatchKind(unit)) << "kind settings of another kind";
  }
}

TEST_F(MainWindowDefinitionTest, ParentsAndPointersFollowWhereEachUnitLies) {
  ASSERT_EQ(definition.units.size(), expectedUnits.size());
  for (std::size_t i = 0; i < expectedUnits.size(); ++i) {
    const Unit& unit = definition.units[i];
    const expected::ExpectedUnit& want = expectedUnits[i];
    SCOPED_TRACE(want.name.toStdString());
    if (want.inPageContainer) {
      EXPECT_EQ(unit.parent, std::optional<UnitId>(0x16010014));
    } else {
      EXPECT_EQ(unit.parent, std::nullopt);
    }
    EXPECT_EQ(unit.pointer, want.pointer);
  }
}

TEST_F(MainWindowDefinitionTest, CountsOfEachKind) {
  const std::map<Kind, int> want = {{Kind::Window, 1},     {Kind::PicBox, 15},     {Kind::PicBtn, 75},
                                    {Kind::TransLabel, 12}, {Kind::HyperLinker, 3}, {Kind::PageControl, 1}};
  std::map<Kind, int> counted;
  for (const Unit& unit : definition.units) ++counted[unit.kind];
  EXPECT_EQ(counted, want);
}

TEST_F(MainWindowDefinitionTest, EveryUnitIsVisibleEnabledWithoutTabStopTagOrRemark) {
  for (const Unit& unit : definition.units) {
    SCOPED_TRACE(unit.name.toStdString());
    EXPECT_TRUE(unit.visible);
    EXPECT_FALSE(unit.disabled);
    EXPECT_FALSE(unit.tabStop);
    EXPECT_EQ(unit.tabOrder, 0);
    EXPECT_TRUE(unit.tag.isEmpty());
    EXPECT_TRUE(unit.remark.isEmpty());
  }
}

TEST_F(MainWindowDefinitionTest, ControlNamesAreUniqueAndTheWindowUnitIsUnnamed) {
  EXPECT_TRUE(definition.units.front().name.isEmpty());
  std::set<QString> names;
  for (std::size_t i = 1; i < definition.units.size(); ++i) {
    EXPECT_FALSE(definition.units[i].name.isEmpty()) << "unit " << i;
    EXPECT_TRUE(names.insert(definition.units[i].name).second) << definition.units[i].name.toStdString();
  }
}

TEST_F(MainWindowDefinitionTest, PageListHoldsEachPageInUnitOrderWithAZeroAfterEachCategoryPage) {
  std::vector<UnitId> want;
  for (int page = 0; page < 6; ++page) {
    for (const expected::ExpectedUnit& unit : expectedUnits) {
      if (unit.page == page) want.push_back(unit.id);
    }
    if (page < 5) want.push_back(0);
  }
  ASSERT_EQ(want.size(), 97u);

  const Unit& container = unitNamed(definition, "高级选择夹");
  EXPECT_EQ(container.pageList, want);

  // Split here rather than through the model, so this checks the data alone.
  std::vector<int> pageSizes{0};
  std::vector<std::size_t> zeroAt;
  for (std::size_t i = 0; i < container.pageList.size(); ++i) {
    if (container.pageList[i] == 0) {
      zeroAt.push_back(i);
      pageSizes.push_back(0);
    } else {
      ++pageSizes.back();
    }
  }
  EXPECT_EQ(pageSizes, (std::vector<int>{18, 18, 18, 18, 18, 2}));
  EXPECT_EQ(zeroAt, (std::vector<std::size_t>{18, 37, 56, 75, 94}));
}

TEST_F(MainWindowDefinitionTest, OnlyThePageContainerHasAPageListAndItNamesEachOfItsChildrenOnce) {
  const Unit& container = unitNamed(definition, "高级选择夹");
  std::multiset<UnitId> listed(container.pageList.begin(), container.pageList.end());
  listed.erase(0);
  std::multiset<UnitId> children;
  for (const Unit& unit : definition.units) {
    if (&unit != &container) {
      EXPECT_TRUE(unit.pageList.empty()) << unit.name.toStdString();
    }
    if (unit.parent == container.id) children.insert(unit.id);
  }
  EXPECT_EQ(listed, children);
  EXPECT_EQ(children.size(), 92u);
}

TEST_F(MainWindowDefinitionTest, CategoryControlTableEqualsTheIdTable) {
  const auto& table = categoryControls();
  for (int category = 0; category < 5; ++category) {
    for (int row = 1; row <= 3; ++row) {
      EXPECT_EQ(table[category].strips[row - 1], expected::kCategoryIds[row - 1][category])
          << "category " << category << " strip " << row;
    }
    for (int n = 1; n <= 15; ++n) {
      EXPECT_EQ(table[category].buttons[n - 1], expected::kCategoryIds[2 + n][category])
          << "category " << category << " button " << n;
    }
  }
}

TEST_F(MainWindowDefinitionTest, NamedIdsNameTheirUnits) {
  const std::vector<std::pair<UnitId, QString>> cases = {
      {kMainWindowUnitId, ""},
      {kPageContainerId, "高级选择夹"},
      {kContactHotAreaId, "透明标签_联系客服"},
      {kMinimiseHotAreaId, "透明标签_最小化"},
      {kCloseHotAreaId, "透明标签_关闭"},
      {kPreviousPageHotAreaId, "透明标签_上一页"},
      {kNextPageHotAreaId, "透明标签_下一页"},
      {kPageHotAreaIds[kMalePage], "透明标签_男服饰"},
      {kPageHotAreaIds[kFemalePage], "透明标签_女服饰"},
      {kPageHotAreaIds[kPropsPage], "透明标签_道具"},
      {kPageHotAreaIds[kBadgesPage], "透明标签_徽章"},
      {kPageHotAreaIds[kPetsPage], "透明标签_宠物"},
      {kPageHotAreaIds[kRecordsPage], "透明标签_记录"},
      {kTitleWebsiteLinkId, "超级链接框2"},
      {kTitleServiceLinkId, "超级链接框3"},
      {kRecordsWebsiteLinkId, "超级链接框1"},
      {kRecordsTextId, "透明标签1"},
  };
  for (const auto& [id, name] : cases) {
    EXPECT_EQ(unitNamed(definition, name).id, id) << name.toStdString();
  }
  EXPECT_EQ(kMainWindowId, definition.windowId);
}

TEST_F(MainWindowDefinitionTest, StripAssetNamesFollowTheCategoryKeys) {
  const std::vector<std::tuple<int, int, int, std::string>> cases = {
      {kMalePage, 1, 1, "male_p1_r1"},    {kFemalePage, 3, 2, "female_p3_r2"}, {kPropsPage, 2, 1, "props_p2_r1"},
      {kBadgesPage, 1, 3, "badges_p1_r3"}, {kPetsPage, 3, 1, "pets_p3_r1"},
  };
  for (const auto& [category, page, row, name] : cases) {
    EXPECT_EQ(stripAssetName(category, page, row), name);
  }
}

TEST_F(MainWindowDefinitionTest, BindingsAreExactlyTheseAndNoOthers) {
  namespace names = handler_names;
  const auto released = [](std::string_view handler) {
    return std::vector<EventBinding>{{Event::LeftButtonReleased, std::string(handler)}};
  };
  std::map<QString, std::vector<EventBinding>> want = {
      {"", {{Event::Created, std::string(names::created)}}},
      {"透明标签_男服饰", released(names::category(0))},
      {"透明标签_女服饰", released(names::category(1))},
      {"透明标签_道具", released(names::category(2))},
      {"透明标签_徽章", released(names::category(3))},
      {"透明标签_宠物", released(names::category(4))},
      {"透明标签_记录", released(names::category(5))},
      {"透明标签_上一页", released(names::previousPage)},
      {"透明标签_下一页", released(names::nextPage)},
      {"透明标签_联系客服", released(names::contact)},
      {"透明标签_最小化", released(names::minimise)},
      {"透明标签_关闭", released(names::close)},
  };
  // Every obtain button opens the notice window, in all five categories.
  for (const QString& category : expected::kCategories) {
    for (int n = 1; n <= 15; ++n) {
      want["图形按钮_" + category + "获取" + QString::number(n)] = {{Event::Clicked, std::string(names::obtain)}};
    }
  }
  ASSERT_EQ(want.size(), 87u);

  for (const Unit& unit : definition.units) {
    const auto found = want.find(unit.name);
    const std::vector<EventBinding> expectedBindings = found == want.end() ? std::vector<EventBinding>{} : found->second;
    EXPECT_EQ(unit.bindings, expectedBindings) << unit.name.toStdString();
  }
}

TEST_F(MainWindowDefinitionTest, WindowKindSettings) {
  const auto& window = settingsOf<WindowSettings>(definition.units.front());
  EXPECT_EQ(window.title, "Korvane");
  EXPECT_EQ(window.border, BorderStyle::None);
  EXPECT_EQ(window.facePicture, assets::assetBytes("skin"));
  EXPECT_FALSE(window.facePicture.isEmpty());
  EXPECT_EQ(window.pictureMode, PictureMode::TopLeft);
  EXPECT_EQ(window.background, Colour::platformButtonFace());
  EXPECT_EQ(window.startState, WindowState::Centred);
  EXPECT_TRUE(window.escCloses);
  EXPECT_TRUE(window.inTaskbar);
  EXPECT_TRUE(window.moveAnywhere);
  EXPECT_TRUE(window.icon.isEmpty());
}

TEST_F(MainWindowDefinitionTest, EveryStripShowsItsRowsFirstPageStretchedOrCentredInFemaleClothing) {
  const char* const keys[] = {"male", "female", "props", "badges", "pets"};
  int strips = 0;
  for (std::size_t i = 0; i < expectedUnits.size(); ++i) {
    const expected::ExpectedUnit& want = expectedUnits[i];
    if (want.kind != Kind::PicBox) continue;
    ++strips;
    SCOPED_TRACE(want.name.toStdString());
    const auto& box = settingsOf<PicBoxSettings>(definition.units[i]);
    EXPECT_FALSE(box.border);
    EXPECT_EQ(box.background, Colour::platformButtonFace());
    EXPECT_EQ(box.pictureMode, want.category == 1 ? PictureMode::Centred : PictureMode::Stretched);
    const std::string asset = std::string(keys[want.category]) + "_p1_r" + std::to_string(want.row);
    EXPECT_FALSE(box.picture.isEmpty());
    EXPECT_EQ(box.picture, assets::assetBytes(asset)) << "expected " << asset;
  }
  EXPECT_EQ(strips, 15);
}

TEST_F(MainWindowDefinitionTest, EveryObtainButtonIsAPushButtonWithTheTwoFaces) {
  const QByteArray face1 = assets::assetBytes("button_face_1");
  const QByteArray face2 = assets::assetBytes("button_face_2");
  ASSERT_FALSE(face1.isEmpty());
  ASSERT_FALSE(face2.isEmpty());
  ASSERT_NE(face1, face2);
  int buttons = 0;
  for (const Unit& unit : definition.units) {
    if (unit.kind != Kind::PicBtn) continue;
    ++buttons;
    SCOPED_TRACE(unit.name.toStdString());
    const auto& button = settingsOf<PicBtnSettings>(unit);
    EXPECT_EQ(button.buttonType, PicBtnSettings::ButtonType::Push);
    EXPECT_EQ(button.transparentColour, std::nullopt);
    EXPECT_EQ(button.normalPicture, face1);
    EXPECT_EQ(button.hoverPicture, face2);
    EXPECT_EQ(button.pressedPicture, face2);
    EXPECT_TRUE(button.disabledPicture.isEmpty());
  }
  EXPECT_EQ(buttons, 75);
}

TEST_F(MainWindowDefinitionTest, HotAreasDrawNothing) {
  int hotAreas = 0;
  for (const Unit& unit : definition.units) {
    if (unit.kind != Kind::TransLabel || unit.name == "透明标签1") continue;
    ++hotAreas;
    SCOPED_TRACE(unit.name.toStdString());
    const auto& label = settingsOf<TransLabelSettings>(unit);
    EXPECT_EQ(label.effect, TransLabelSettings::Effect::None);
    EXPECT_EQ(label.textColour, Colour::rgb(0, 0, 0));
    EXPECT_EQ(label.horizontal, HorizontalAlignment::Left);
    EXPECT_EQ(label.vertical, VerticalAlignment::Centred);
    EXPECT_FALSE(label.wordWrap);
    EXPECT_TRUE(label.font.isDefault());
    EXPECT_TRUE(label.text.isEmpty());
    EXPECT_EQ(unit.pointer, PointerId::Hand);
  }
  EXPECT_EQ(hotAreas, 11);
}

TEST_F(MainWindowDefinitionTest, RecordsTextIsGrey24PixelSongCentredAndWrapped) {
  const auto& label = settingsOf<TransLabelSettings>(unitNamed(definition, "透明标签1"));
  EXPECT_EQ(label.effect, TransLabelSettings::Effect::None);
  EXPECT_EQ(label.textColour, Colour::rgb(96, 96, 96));
  EXPECT_EQ(label.horizontal, HorizontalAlignment::Centred);
  EXPECT_EQ(label.vertical, VerticalAlignment::Centred);
  EXPECT_TRUE(label.wordWrap);
  const FontSetting song{.face = "宋体",
                         .height = 24,
                         .weight = 400,
                         .italic = false,
                         .underline = false,
                         .strikeOut = false,
                         .charset = FontSetting::Charset::GB2312};
  EXPECT_EQ(label.font, song);
  EXPECT_EQ(label.text, recordsPageText());
}

struct LinkCase {
  QString name;
  HyperLinkerSettings::LinkKind linkKind;
  Colour background;
  QString captionPrefix;
  bool showsAccount;  // otherwise the website, which is then also the target
};

TEST(MainWindowHyperlinks, CarryTheContactsInCaptionsAndTargets) {
  const std::vector<Contacts> contactSets = {
      {"800012345", "https://www.example.com"},
      {"10001", "https://shop.example.org/showcase"},
  };
  const Colour grey = Colour::rgb(90, 90, 90);
  const std::vector<LinkCase> links = {
      {"超级链接框2", HyperLinkerSettings::LinkKind::Web, grey, "唯一官网：", false},
      {"超级链接框3", HyperLinkerSettings::LinkKind::Email, grey, "唯一客服QQ：", true},
      {"超级链接框1", HyperLinkerSettings::LinkKind::Web, Colour::rgb(0, 0, 0), "唯一官方网站：", false},
  };
  for (const Contacts& contacts : contactSets) {
    const WindowDefinition definition = mainWindowDefinition(contacts);
    for (const LinkCase& link : links) {
      SCOPED_TRACE(link.name.toStdString() + " with " + contacts.website.toStdString());
      const auto& box = settingsOf<HyperLinkerSettings>(unitNamed(definition, link.name));
      EXPECT_EQ(box.linkKind, link.linkKind);
      EXPECT_EQ(box.normalColour, Colour::rgb(255, 128, 0));
      EXPECT_EQ(box.visitedColour, Colour::rgb(128, 0, 0));
      EXPECT_EQ(box.hoverColour, Colour::rgb(255, 0, 0));
      EXPECT_EQ(box.background, link.background);
      EXPECT_FALSE(box.border);
      EXPECT_TRUE(box.font.isDefault());
      EXPECT_TRUE(box.emailAddress.isEmpty());
      if (link.showsAccount) {
        EXPECT_EQ(box.caption, link.captionPrefix + contacts.serviceAccount);
        EXPECT_TRUE(box.webAddress.isEmpty());
      } else {
        EXPECT_EQ(box.caption, link.captionPrefix + contacts.website);
        EXPECT_EQ(box.webAddress, contacts.website);
      }
    }
  }
}

TEST_F(MainWindowDefinitionTest, PageContainerHasSixHeaderlessBlackPages) {
  const auto& container = settingsOf<PageControlSettings>(unitNamed(definition, "高级选择夹"));
  EXPECT_TRUE(container.hideHeaders);
  EXPECT_EQ(container.initialPage, 0);
  EXPECT_EQ(container.pageColour, Colour::rgb(0, 0, 0));
  EXPECT_EQ(container.frameColour, Colour::rgb(0, 0, 0));
  EXPECT_EQ(container.background, Colour::rgb(0, 0, 0));
  const QStringList captions = {"男服饰", "女服饰", "道具", "徽章", "宠物", "记录"};
  ASSERT_EQ(container.pages.size(), 6u);
  for (int page = 0; page < 6; ++page) {
    SCOPED_TRACE(page);
    EXPECT_EQ(container.pages[page].caption, captions[page]);
    EXPECT_TRUE(container.pages[page].visible);
    EXPECT_TRUE(container.pages[page].enabled);
    EXPECT_EQ(container.pages[page].colour, std::nullopt);
    EXPECT_TRUE(container.pages[page].tip.isEmpty());
  }
}

}  // namespace
}  // namespace korvane::model
