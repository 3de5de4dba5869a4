#include "ui/model/main_window_definition.h"

#include "assets/asset_catalog.h"
#include "ui/model/handler_names.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace korvane::model {
namespace {

namespace handlers = handler_names;

constexpr std::optional<UnitId> kOnWindow = std::nullopt;
constexpr std::optional<UnitId> kOnPageContainer = kPageContainerId;

const Colour kBlack = Colour::rgb(0, 0, 0);
const Colour kTitleStripGrey = Colour::rgb(90, 90, 90);

EventBinding released(std::string handler) { return {Event::LeftButtonReleased, std::move(handler)}; }
EventBinding clicked(std::string handler) { return {Event::Clicked, std::move(handler)}; }

// One row of a control table.
Unit control(const QString& name, Kind kind, UnitId id, std::int32_t left, std::int32_t top, std::int32_t width,
             std::int32_t height, std::optional<UnitId> parent, PointerId pointer, KindSettings settings,
             std::vector<EventBinding> bindings) {
  Unit unit;
  unit.id = id;
  unit.kind = kind;
  unit.name = name;
  unit.left = left;
  unit.top = top;
  unit.width = width;
  unit.height = height;
  unit.parent = parent;
  unit.pointer = pointer;
  unit.bindings = std::move(bindings);
  unit.settings = std::move(settings);
  return unit;
}

// ---- The window's own unit.

Unit windowUnit() {
  Unit unit;
  unit.id = kMainWindowUnitId;
  unit.kind = Kind::Window;
  unit.left = 50;
  unit.top = 50;
  unit.width = 880;
  unit.height = 720;
  unit.pointer = PointerId::Default;
  unit.bindings = {{Event::Created, std::string(handlers::created)}};
  unit.settings = WindowSettings{
      .title = QStringLiteral("Korvane"),
      .border = BorderStyle::None,
      .facePicture = assets::assetBytes("skin"),
      .pictureMode = PictureMode::TopLeft,
      .background = Colour::platformButtonFace(),
      .startState = WindowState::Centred,
      .escCloses = true,
      .inTaskbar = true,
      .moveAnywhere = true,
      .icon = {},
  };
  return unit;
}

// ---- Kind settings.

TransLabelSettings hotArea() {
  return {
      .effect = TransLabelSettings::Effect::None,
      .textColour = kBlack,
      .horizontal = HorizontalAlignment::Left,
      .vertical = VerticalAlignment::Centred,
      .wordWrap = false,
      .font = {},
      .text = {},
  };
}

TransLabelSettings recordsText() {
  return {
      .effect = TransLabelSettings::Effect::None,
      .textColour = Colour::rgb(96, 96, 96),
      .horizontal = HorizontalAlignment::Centred,
      .vertical = VerticalAlignment::Centred,
      .wordWrap = true,
      .font = {.face = QStringLiteral("宋体"),
               .height = 24,
               .weight = 400,
               .italic = false,
               .underline = false,
               .strikeOut = false,
               .charset = FontSetting::Charset::GB2312},
      .text = recordsPageText(),
  };
}

HyperLinkerSettings hyperLink(HyperLinkerSettings::LinkKind linkKind, Colour background, const QString& caption,
                              const QString& webAddress) {
  return {
      .linkKind = linkKind,
      .normalColour = Colour::rgb(255, 128, 0),
      .visitedColour = Colour::rgb(128, 0, 0),
      .hoverColour = Colour::rgb(255, 0, 0),
      .background = background,
      .border = false,
      .font = {},
      .caption = caption,
      .emailAddress = {},
      .webAddress = webAddress,
  };
}

PageControlSettings pages() {
  PageControlSettings settings{
      .hideHeaders = true,
      .initialPage = 0,
      .pageColour = kBlack,
      .frameColour = kBlack,
      .background = kBlack,
      .pages = {},
  };
  for (const char* caption : {"男服饰", "女服饰", "道具", "徽章", "宠物", "记录"}) {
    settings.pages.push_back(
        {.caption = QString::fromUtf8(caption), .visible = true, .enabled = true, .colour = std::nullopt, .tip = {}});
  }
  return settings;
}

// ---- The category pages, all laid out alike.

const char* const kCategoryNames[kCategoryCount] = {"男服饰", "女服饰", "道具", "徽章", "宠物"};

// Every obtain button opens the notice window, not only those of 男服饰: a
// button in a showcase that does nothing when clicked looks broken.
constexpr bool kObtainButtonsOpenNotice[kCategoryCount] = {true, true, true, true, true};

constexpr std::int32_t kStripTops[kStripsPerCategory] = {3, 204, 406};
constexpr std::int32_t kButtonLefts[kButtonsPerStrip] = {31, 208, 376, 552, 728};
constexpr std::int32_t kButtonTops[kStripsPerCategory] = {176, 378, 580};

Unit strip(int category, int row) {
  // The three strips of 女服饰 centre their pictures; all others stretch them.
  const PictureMode mode = category == kFemalePage ? PictureMode::Centred : PictureMode::Stretched;
  return control(QStringLiteral("图片框_") + QString::fromUtf8(kCategoryNames[category]) + QString::number(row),
                 Kind::PicBox, categoryControls()[category].strips[row - 1], 2, kStripTops[row - 1], 862, 168,
                 kOnPageContainer, PointerId::Default,
                 PicBoxSettings{
                     .border = false,
                     .background = Colour::platformButtonFace(),
                     .pictureMode = mode,
                     .picture = assets::assetBytes(stripAssetName(category, 1, row)),
                 },
                 {});
}

Unit obtainButton(int category, int n) {
  const int row = (n + 4) / 5;
  const int column = n - 5 * (row - 1);
  std::vector<EventBinding> bindings;
  if (kObtainButtonsOpenNotice[category]) bindings.push_back(clicked(std::string(handlers::obtain)));
  return control(QStringLiteral("图形按钮_") + QString::fromUtf8(kCategoryNames[category]) + QStringLiteral("获取") +
                     QString::number(n),
                 Kind::PicBtn, categoryControls()[category].buttons[n - 1], kButtonLefts[column - 1],
                 kButtonTops[row - 1], 106, 22, kOnPageContainer, PointerId::Hand,
                 PicBtnSettings{
                     .buttonType = PicBtnSettings::ButtonType::Push,
                     .transparentColour = std::nullopt,
                     .normalPicture = assets::assetBytes("button_face_1"),
                     .hoverPicture = assets::assetBytes("button_face_2"),
                     .pressedPicture = assets::assetBytes("button_face_2"),
                     .disabledPicture = {},
                 },
                 std::move(bindings));
}

// A place in a category's run of units: strip Sn or obtain button Bn.
struct Slot {
  bool isStrip;
  int number;
};
constexpr Slot S1{true, 1}, S2{true, 2}, S3{true, 3};
constexpr Slot B1{false, 1}, B2{false, 2}, B3{false, 3}, B4{false, 4}, B5{false, 5}, B6{false, 6}, B7{false, 7},
    B8{false, 8}, B9{false, 9}, B10{false, 10}, B11{false, 11}, B12{false, 12}, B13{false, 13}, B14{false, 14},
    B15{false, 15};

void appendCategory(std::vector<Unit>& units, int category, std::initializer_list<Slot> order) {
  for (Slot slot : order) {
    units.push_back(slot.isStrip ? strip(category, slot.number) : obtainButton(category, slot.number));
  }
}

// The page of a control that lies in the page container, or -1.
int pageOf(UnitId id) {
  for (int category = 0; category < kCategoryCount; ++category) {
    const CategoryControls& controls = categoryControls()[category];
    for (UnitId strip : controls.strips) {
      if (strip == id) return category;
    }
    for (UnitId button : controls.buttons) {
      if (button == id) return category;
    }
  }
  if (id == kRecordsTextId || id == kRecordsWebsiteLinkId) return kRecordsPage;
  return -1;
}

// Page by page, the controls of each page in unit order; a 0 closes each page
// but the last.
std::vector<UnitId> pageListOf(const std::vector<Unit>& units) {
  std::vector<UnitId> list;
  for (int page = 0; page < kPageCount; ++page) {
    for (const Unit& unit : units) {
      if (pageOf(unit.id) == page) list.push_back(unit.id);
    }
    if (page + 1 < kPageCount) list.push_back(0);
  }
  return list;
}

}  // namespace

QString recordsPageText() {
  return QStringLiteral(
      "藏品记录\r\n"
      "\r\n"
      "本馆陈列男女服饰、道具、徽章与宠物五大类珍品\r\n"
      "\r\n"
      "每类藏品分页展示，可用下方的上一页与下一页翻阅\r\n"
      "\r\n"
      "遇到心仪之物，点击其下方的“获取”按钮即可\r\n"
      "\r\n"
      "所有物品均以游戏内实际发放为准");
}

WindowDefinition mainWindowDefinition(const Contacts& contacts) {
  using LinkKind = HyperLinkerSettings::LinkKind;
  const TransLabelSettings hot = hotArea();

  std::vector<Unit> units;
  units.reserve(107);
  units.push_back(windowUnit());  // 0

  // name, kind, id, left, top, width, height, parent, pointer, kind settings, bindings
  units.push_back(control(QStringLiteral("超级链接框2"), Kind::HyperLinker, kTitleWebsiteLinkId, 367, 10, 224, 16,
                          kOnWindow, PointerId::Default,
                          hyperLink(LinkKind::Web, kTitleStripGrey, QStringLiteral("唯一官网：") + contacts.website,
                                    contacts.website),
                          {}));  // 1
  units.push_back(control(QStringLiteral("超级链接框3"), Kind::HyperLinker, kTitleServiceLinkId, 65, 10, 224, 16,
                          kOnWindow, PointerId::Default,
                          hyperLink(LinkKind::Email, kTitleStripGrey,
                                    QStringLiteral("唯一客服QQ：") + contacts.serviceAccount, QString()),
                          {}));  // 2
  units.push_back(control(QStringLiteral("透明标签1"), Kind::TransLabel, kRecordsTextId, 120, 91, 616, 384,
                          kOnPageContainer, PointerId::Default, recordsText(), {}));  // 3
  units.push_back(control(QStringLiteral("超级链接框1"), Kind::HyperLinker, kRecordsWebsiteLinkId, 317, 577, 222, 24,
                          kOnPageContainer, PointerId::Hand,
                          hyperLink(LinkKind::Web, kBlack, QStringLiteral("唯一官方网站：") + contacts.website,
                                    contacts.website),
                          {}));  // 4
  units.push_back(control(QStringLiteral("高级选择夹"), Kind::PageControl, kPageContainerId, 7, 46, 856, 608,
                          kOnWindow, PointerId::Default, pages(), {}));  // 5
  units.push_back(control(QStringLiteral("透明标签_记录"), Kind::TransLabel, kPageHotAreaIds[kRecordsPage], 764, 670,
                          106, 19, kOnWindow, PointerId::Hand, hot,
                          {released(handlers::category(kRecordsPage))}));  // 6
  units.push_back(control(QStringLiteral("透明标签_男服饰"), Kind::TransLabel, kPageHotAreaIds[kMalePage], 8, 670, 87,
                          19, kOnWindow, PointerId::Hand, hot, {released(handlers::category(kMalePage))}));  // 7

  appendCategory(units, kBadgesPage,  // 8–25
                 {S1, B1, B2, B3, B4, B5, S2, B10, B9, B8, B7, B6, B11, S3, B12, B13, B14, B15});
  appendCategory(units, kPetsPage,  // 26–43
                 {S1, B1, B2, B3, B4, B5, S2, B10, B9, B8, B7, B6, B11, S3, B12, B13, B14, B15});

  units.push_back(control(QStringLiteral("透明标签_关闭"), Kind::TransLabel, kCloseHotAreaId, 824, 8, 48, 16,
                          kOnWindow, PointerId::Hand, hot, {released(std::string(handlers::close))}));  // 44
  units.push_back(control(QStringLiteral("透明标签_最小化"), Kind::TransLabel, kMinimiseHotAreaId, 762, 8, 48, 16,
                          kOnWindow, PointerId::Hand, hot, {released(std::string(handlers::minimise))}));  // 45
  units.push_back(control(QStringLiteral("透明标签_联系客服"), Kind::TransLabel, kContactHotAreaId, 669, 8, 77, 16,
                          kOnWindow, PointerId::Hand, hot, {released(std::string(handlers::contact))}));  // 46

  appendCategory(units, kPropsPage,  // 47–64
                 {B11, B12, B13, B14, B15, S3, B9, B10, B8, B7, B6, S2, B1, S1, B2, B3, B4, B5});
  appendCategory(units, kFemalePage,  // 65–79
                 {B1, B2, B3, B4, B5, B10, B9, B8, B7, B6, B11, B12, B13, B14, B15});

  units.push_back(control(QStringLiteral("透明标签_女服饰"), Kind::TransLabel, kPageHotAreaIds[kFemalePage], 106, 670,
                          104, 19, kOnWindow, PointerId::Hand, hot,
                          {released(handlers::category(kFemalePage))}));  // 80

  appendCategory(units, kFemalePage, {S1, S2, S3});  // 81–83

  units.push_back(control(QStringLiteral("透明标签_下一页"), Kind::TransLabel, kNextPageHotAreaId, 657, 670, 87, 19,
                          kOnWindow, PointerId::Hand, hot, {released(std::string(handlers::nextPage))}));  // 84
  units.push_back(control(QStringLiteral("透明标签_徽章"), Kind::TransLabel, kPageHotAreaIds[kBadgesPage], 331, 670,
                          90, 19, kOnWindow, PointerId::Hand, hot,
                          {released(handlers::category(kBadgesPage))}));  // 85
  units.push_back(control(QStringLiteral("透明标签_道具"), Kind::TransLabel, kPageHotAreaIds[kPropsPage], 224, 670, 90,
                          19, kOnWindow, PointerId::Hand, hot, {released(handlers::category(kPropsPage))}));  // 86
  units.push_back(control(QStringLiteral("透明标签_上一页"), Kind::TransLabel, kPreviousPageHotAreaId, 545, 670, 95, 19,
                          kOnWindow, PointerId::Hand, hot, {released(std::string(handlers::previousPage))}));  // 87
  units.push_back(control(QStringLiteral("透明标签_宠物"), Kind::TransLabel, kPageHotAreaIds[kPetsPage], 437, 670, 95,
                          19, kOnWindow, PointerId::Hand, hot, {released(handlers::category(kPetsPage))}));  // 88

  appendCategory(units, kMalePage,  // 89–106
                 {B5, B10, B15, B4, B9, B14, B3, B8, B13, B2, B7, B12, B6, B1, B11, S1, S2, S3});

  const std::vector<UnitId> pageList = pageListOf(units);
  for (Unit& unit : units) {
    if (unit.id == kPageContainerId) unit.pageList = pageList;
  }
  return {kMainWindowId, std::move(units)};
}

}  // namespace korvane::model
