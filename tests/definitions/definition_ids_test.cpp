#include "ui/model/main_window_definition.h"
#include "ui/model/notice_window_definition.h"

#include <gtest/gtest.h>

#include <set>

namespace korvane::model {
namespace {

struct Case {
  const char* window;
  WindowDefinition definition;
  WindowId windowId;
  UnitId windowUnitId;
};

std::vector<Case> bothWindows() {
  return {
      {"窗口", mainWindowDefinition({"800012345", "https://www.example.com"}), kMainWindowId, kMainWindowUnitId},
      {"窗口2", noticeWindowDefinition(), kNoticeWindowId, kNoticeWindowUnitId},
  };
}

TEST(DefinitionIds, WindowAndWindowUnitIdsAreTheFixedOnes) {
  EXPECT_EQ(kMainWindowId, 0x52010003u);
  EXPECT_EQ(kMainWindowUnitId, 0x06010002u);
  EXPECT_EQ(kNoticeWindowId, 0x52010303u);
  EXPECT_EQ(kNoticeWindowUnitId, 0x06010302u);
  EXPECT_EQ(kConfirmHotAreaId, 0x16011D11u);
  for (const Case& c : bothWindows()) {
    SCOPED_TRACE(c.window);
    EXPECT_EQ(c.definition.windowId, c.windowId);
    ASSERT_FALSE(c.definition.units.empty());
    EXPECT_EQ(c.definition.units.front().id, c.windowUnitId);
  }
}

TEST(DefinitionIds, HighByteTellsWhatEachIdNames) {
  for (const Case& c : bothWindows()) {
    SCOPED_TRACE(c.window);
    EXPECT_TRUE(isIdOfClass(c.definition.windowId, IdClass::Window));
    ASSERT_FALSE(c.definition.units.empty());
    EXPECT_EQ(c.definition.units.front().kind, Kind::Window);
    EXPECT_TRUE(isIdOfClass(c.definition.units.front().id, IdClass::WindowUnit));
    for (std::size_t i = 1; i < c.definition.units.size(); ++i) {
      const Unit& unit = c.definition.units[i];
      EXPECT_NE(unit.kind, Kind::Window) << unit.name.toStdString();
      EXPECT_EQ(unit.id >> 24, 0x16u) << unit.name.toStdString();
      EXPECT_NE(unit.id & 0x00FFFFFFu, 0u) << unit.name.toStdString();
    }
  }
}

TEST(DefinitionIds, EveryIdIsUniqueAcrossBothWindows) {
  std::set<std::uint32_t> ids;
  std::size_t count = 0;
  for (const Case& c : bothWindows()) {
    ids.insert(c.definition.windowId);
    ++count;
    for (const Unit& unit : c.definition.units) {
      EXPECT_TRUE(ids.insert(unit.id).second) << c.window << " " << unit.name.toStdString() << " repeats id 0x"
                                              << std::hex << unit.id;
      ++count;
    }
  }
  EXPECT_EQ(count, 2u + 107u + 2u);
  EXPECT_EQ(ids.size(), count);
}

}  // namespace
}  // namespace korvane::model
