// Property reads and writes that the catalogue logic never makes: unknown
// windows and units, own roles of units whose window is not loaded, wrong
// kinds and value types, pages and window states out of range, and strip
// pictures that are no picture. None may crash or change anything else.

#include "tests/app/showcase_fixture.h"

#include "assets/asset_catalog.h"
#include "ui/components/pic_box.h"
#include "ui/model/live_window.h"

#include <climits>
#include <map>
#include <vector>

namespace korvane::testing {
namespace {

using namespace model;

const Role kAllRoles[] = {Role::Left,    Role::Top,     Role::Width,       Role::Height,     Role::Tag,
                          Role::Visible, Role::Disabled, Role::Picture, Role::CurrentPage, Role::WindowState};

// Values of every type, some of them extreme.
std::vector<Value> hostileValues() {
  return {Value{true}, Value{false}, Value{std::int32_t{-1}}, Value{std::int32_t{INT_MAX}},
          Value{std::int32_t{INT_MIN}}, Value{QString("\u7a97\u53e3")}, Value{QString()},
          Value{ByteSet()}, Value{ByteSet("\xFF\xD8\xFF\xE0", 4)}};
}

// Every common property of every unit of both windows, as read now.
std::map<std::pair<UnitId, Role>, Value> snapshot(Runtime& runtime) {
  std::map<std::pair<UnitId, Role>, Value> values;
  for (WindowId window : {kMainWindowId, kNoticeWindowId}) {
    for (const Unit& unit : runtime.store(window)->units()) {
      for (Role role : kAllRoles) {
        if (isCommonRole(role)) values[{unit.id, role}] = runtime.readProperty(window, unit.id, role);
      }
    }
  }
  return values;
}

class HostileWrites : public ShowcaseTest {
 protected:
  components::PicBox* strip(UnitId id) {
    LiveWindow* live = runtime().liveWindow(kMainWindowId);
    return live ? dynamic_cast<components::PicBox*>(live->control(id)) : nullptr;
  }
  UnitId firstMaleStrip() const { return categoryControls()[kMalePage].strips[0]; }
};

TEST_F(HostileWrites, UnknownWindowsAndUnitsReadEmptyAndChangeNothing) {
  platform.processEvents();
  const auto before = snapshot(runtime());
  const std::pair<WindowId, UnitId> targets[] = {
      {0, 0},
      {0xFFFFFFFF, kMainWindowUnitId},
      {kMainWindowUnitId, kMainWindowUnitId},  // a unit id used as a window id
      {kPageContainerId, kPageContainerId},
      {kMainWindowId, 0},
      {kMainWindowId, 0x16FFFFFF},
      {kMainWindowId, kMainWindowId},          // a window id used as a unit id
      {kMainWindowId, kConfirmHotAreaId},      // a unit of the other window
      {kNoticeWindowId, kPageContainerId},
      {kNoticeWindowId, kMainWindowUnitId},
  };
  for (const auto& [window, unit] : targets) {
    for (Role role : kAllRoles) {
      EXPECT_EQ(runtime().readProperty(window, unit, role), emptyValueOf(valueTypeOf(role)))
          << std::hex << window << " " << unit << " role " << static_cast<int>(role);
      for (const Value& value : hostileValues()) runtime().writeProperty(window, unit, role, value);
    }
  }
  platform.processEvents();
  EXPECT_EQ(snapshot(runtime()), before);
}

TEST_F(HostileWrites, OwnRolesOfTheUnloadedNoticeWindowAreIgnored) {
  ASSERT_FALSE(runtime().isOpen(kNoticeWindowId));
  for (const Value& value : hostileValues()) {
    runtime().writeProperty(kNoticeWindowId, kNoticeWindowUnitId, Role::WindowState, value);
    runtime().writeProperty(kNoticeWindowId, kConfirmHotAreaId, Role::Picture, value);
    runtime().writeProperty(kNoticeWindowId, kConfirmHotAreaId, Role::CurrentPage, value);
  }
  EXPECT_EQ(runtime().readProperty(kNoticeWindowId, kNoticeWindowUnitId, Role::WindowState), Value{std::int32_t{0}});

  // Opened afterwards, the notice window shows normally and closes as usual.
  clickUnit(kMainWindowId, categoryControls()[kMalePage].buttons[0]);
  ASSERT_NE(noticeWindow(), nullptr);
  EXPECT_EQ(noticeWindow()->showState(), platform::ShowState::Normal);
  clickUnit(kNoticeWindowId, kConfirmHotAreaId);
  EXPECT_EQ(noticeWindow(), nullptr);
  EXPECT_TRUE(mainWindow()->inputEnabled());
}

TEST(HostileWritesUnloaded, OwnRolesBeforeTheMainWindowLoadsAreIgnored) {
  platform::MemoryPlatform platform;
  app::Showcase showcase(platform);
  Runtime& runtime = showcase.runtime();
  const UnitId strip = categoryControls()[kMalePage].strips[0];
  for (const Value& value : hostileValues()) {
    runtime.writeProperty(kMainWindowId, strip, Role::Picture, value);
    runtime.writeProperty(kMainWindowId, kPageContainerId, Role::CurrentPage, value);
    runtime.writeProperty(kMainWindowId, kMainWindowUnitId, Role::WindowState, value);
  }
  EXPECT_EQ(runtime.readProperty(kMainWindowId, kPageContainerId, Role::CurrentPage), Value{std::int32_t{0}});
  EXPECT_EQ(runtime.readProperty(kMainWindowId, strip, Role::Picture), Value{ByteSet()});

  ASSERT_TRUE(showcase.start());
  platform.processEvents();
  EXPECT_EQ(runtime.readProperty(kMainWindowId, kPageContainerId, Role::CurrentPage), Value{std::int32_t{0}});
  EXPECT_EQ(runtime.readProperty(kMainWindowId, kMainWindowUnitId, Role::WindowState), Value{std::int32_t{0}});
  auto* box = dynamic_cast<components::PicBox*>(runtime.liveWindow(kMainWindowId)->control(strip));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->picture(), assets::assetBytes("male_p1_r1"));
}

TEST_F(HostileWrites, OwnRolesAfterTheMainWindowIsGoneAreIgnored) {
  runtime().destroyWindow(kMainWindowId, true);
  platform.processEvents();
  ASSERT_FALSE(runtime().isOpen(kMainWindowId));
  for (const Value& value : hostileValues()) {
    for (Role role : kAllRoles) {
      runtime().writeProperty(kMainWindowId, firstMaleStrip(), role, value);
      runtime().writeProperty(kMainWindowId, kPageContainerId, role, value);
      runtime().writeProperty(kMainWindowId, kMainWindowUnitId, role, value);
    }
  }
  platform.processEvents();
  EXPECT_EQ(runtime().readProperty(kMainWindowId, kPageContainerId, Role::CurrentPage), Value{std::int32_t{0}});
  EXPECT_TRUE(platform.windows().empty());
}

TEST_F(HostileWrites, OwnRolesOfTheWrongKindAndWrongValueTypesChangeNothing) {
  showCategory(kBadgesPage);
  platform.processEvents();
  const auto before = snapshot(runtime());
  const UnitId targets[] = {kMainWindowUnitId, kPageContainerId, firstMaleStrip(), kNextPageHotAreaId,
                            categoryControls()[kMalePage].buttons[0], kRecordsWebsiteLinkId, kRecordsTextId};
  const std::pair<Role, Value> writes[] = {
      {Role::Picture, Value{std::int32_t{3}}},      {Role::Picture, Value{QString("male_p2_r1")}},
      {Role::CurrentPage, Value{ByteSet("\x02")}},  {Role::CurrentPage, Value{QString("2")}},
      {Role::WindowState, Value{QString("2")}},     {Role::WindowState, Value{ByteSet("\x02")}},
      {Role::Visible, Value{QString("false")}},     {Role::Visible, Value{ByteSet()}},
      {Role::Disabled, Value{ByteSet("\x01")}},     {Role::Left, Value{QString("10")}},
      {Role::Width, Value{ByteSet("\x10")}},        {Role::Tag, Value{std::int32_t{5}}},
  };
  for (UnitId unit : targets) {
    for (const auto& [role, value] : writes) {
      // Own roles land only on their own kind; picture goes to strips only.
      if (role == Role::Picture && unit == firstMaleStrip()) continue;
      runtime().writeProperty(kMainWindowId, unit, role, value);
    }
  }
  // Own roles written to units of other kinds.
  runtime().writeProperty(kMainWindowId, kNextPageHotAreaId, Role::Picture, assets::assetBytes("male_p2_r1"));
  runtime().writeProperty(kMainWindowId, firstMaleStrip(), Role::CurrentPage, std::int32_t{1});
  runtime().writeProperty(kMainWindowId, kPageContainerId, Role::WindowState, std::int32_t{2});
  runtime().writeProperty(kMainWindowId, kMainWindowUnitId, Role::CurrentPage, std::int32_t{5});
  platform.processEvents();
  EXPECT_EQ(snapshot(runtime()), before);
  EXPECT_EQ(currentPage(), kBadgesPage);
  EXPECT_EQ(mainWindow()->showState(), platform::ShowState::Normal);
  EXPECT_EQ(strip(firstMaleStrip())->picture(), assets::assetBytes("male_p1_r1"));
}

TEST_F(HostileWrites, PagesThatDoNotExistLeaveTheCurrentPage) {
  showCategory(kBadgesPage);
  clickNext();
  const auto before = snapshot(runtime());
  for (std::int32_t page : {-1, 6, 7, INT_MAX, INT_MIN}) {
    runtime().writeProperty(kMainWindowId, kPageContainerId, Role::CurrentPage, page);
    platform.processEvents();
    EXPECT_EQ(currentPage(), kBadgesPage) << page;
  }
  EXPECT_EQ(snapshot(runtime()), before);
  // The program still answers: previous turns badges back to page 1.
  clickPrevious();
  EXPECT_EQ(stripAsset(categoryControls()[kBadgesPage].strips[0]), "badges_p1_r1");
  EXPECT_EQ(showcase->state().counter(kBadgesPage), 1);
}

struct StateWrite {
  const char* name;
  std::int32_t before;  // a state in range, written first
  std::int32_t value;
  platform::ShowState shown;
  std::int32_t read;
};

class WindowStatesOutOfRange : public ShowcaseTest, public ::testing::WithParamInterface<StateWrite> {};

TEST_P(WindowStatesOutOfRange, AreClampedToTheNearestState) {
  const StateWrite& write = GetParam();
  runtime().writeProperty(kMainWindowId, kMainWindowUnitId, Role::WindowState, write.before);
  runtime().writeProperty(kMainWindowId, kMainWindowUnitId, Role::WindowState, write.value);
  platform.processEvents();
  EXPECT_EQ(mainWindow()->showState(), write.shown);
  EXPECT_EQ(runtime().readProperty(kMainWindowId, kMainWindowUnitId, Role::WindowState), Value{write.read});
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowStatesOutOfRange,
                         ::testing::Values(StateWrite{"minus_one", 2, -1, platform::ShowState::Normal, 0},
                                           StateWrite{"int_min", 2, INT_MIN, platform::ShowState::Normal, 0},
                                           StateWrite{"four", 0, 4, platform::ShowState::Maximized, 3},
                                           StateWrite{"int_max", 0, INT_MAX, platform::ShowState::Maximized, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadPicture {
  const char* name;
  QByteArray bytes;
};

QByteArray truncatedStrip() { return assets::assetBytes("male_p2_r1").left(2000); }

QByteArray hugeGifHeader() {
  QByteArray bytes("GIF89a", 6);
  bytes += QByteArray("\xFF\xFF\xFF\xFF\x80\x00\x00", 7);
  return bytes;
}

class StripPictures : public ShowcaseTest, public ::testing::WithParamInterface<BadPicture> {};

// The strip keeps the bytes, decodes nothing and shows only its background;
// a good picture written next shows again.
TEST_P(StripPictures, ThatAreNoPictureShowOnlyTheBackground) {
  const UnitId id = categoryControls()[kMalePage].strips[0];
  auto* box = dynamic_cast<components::PicBox*>(runtime().liveWindow(kMainWindowId)->control(id));
  ASSERT_NE(box, nullptr);
  runtime().writeProperty(kMainWindowId, id, Role::Picture, GetParam().bytes);
  platform.processEvents();
  EXPECT_EQ(box->picture(), GetParam().bytes);
  EXPECT_FALSE(box->hasDecodedPicture());

  const QRect area = windowRectOf(kMainWindowId, id).intersected(QRect(10, 50, 850, 160));
  const QImage shown = mainWindow()->grab().copy(area);
  const QRgb background = shown.pixel(0, 0);
  int others = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) others += shown.pixel(x, y) != background;
  EXPECT_EQ(others, 0);

  runtime().writeProperty(kMainWindowId, id, Role::Picture, assets::assetBytes("male_p3_r1"));
  EXPECT_TRUE(box->hasDecodedPicture());
  EXPECT_EQ(stripAsset(id), "male_p3_r1");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StripPictures,
    ::testing::Values(BadPicture{"empty", QByteArray()}, BadPicture{"one_byte", QByteArray("\xFF", 1)},
                      BadPicture{"jpeg_start_only", QByteArray("\xFF\xD8\xFF\xE0\x00", 5)},
                      BadPicture{"gif_signature_only", QByteArray("GIF89a", 6)},
                      BadPicture{"text", QByteArray("not a picture at all")},
                      BadPicture{"zeros", QByteArray(4096, '\0')},
                      BadPicture{"truncated_strip", truncatedStrip()},
                      BadPicture{"huge_gif_screen", hugeGifHeader()},
                      BadPicture{"icon_file", assets::iconBytes()}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korvane::testing
