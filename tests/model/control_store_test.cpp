#include "tests/model/model_fixture.h"
#include "ui/model/control_store.h"

namespace korvane::testing {
namespace {

using namespace model;

TEST(ControlStore, RestorePutsBackTheSavedCopy) {
  ControlStore store(fixtureDefinitions().front());
  store.save();
  store.find(kHot1)->left = 99;
  store.restore();
  EXPECT_EQ(store.find(kHot1)->left, 10);
  EXPECT_FALSE(store.hasSavedCopy());
}

TEST(ControlStore, RejectsADefinitionThatNamesAUnitTwice) {
  auto definition = fixtureDefinitions().front();
  definition.units.push_back(definition.units.back());
  EXPECT_THROW(ControlStore{definition}, std::invalid_argument);
}

TEST(ControlStore, RejectsADefinitionWithoutItsWindowUnitFirst) {
  auto definition = fixtureDefinitions().front();
  std::swap(definition.units[0], definition.units[1]);
  EXPECT_THROW(ControlStore{definition}, std::invalid_argument);
}

TEST(PageList, SplitsAtEveryZero) {
  EXPECT_EQ(pagesOf({}), (std::vector<std::vector<UnitId>>{}));
  EXPECT_EQ(pagesOf({5, 6, 0, 7}), (std::vector<std::vector<UnitId>>{{5, 6}, {7}}));
  EXPECT_EQ(pagesOf({5, 0, 0, 7}), (std::vector<std::vector<UnitId>>{{5}, {}, {7}}));
}

TEST(Ids, TheHighByteTellsTheClass) {
  EXPECT_TRUE(isIdOfClass(0x52010003, IdClass::Window));
  EXPECT_TRUE(isIdOfClass(0x06010002, IdClass::WindowUnit));
  EXPECT_TRUE(isIdOfClass(0x16000001, IdClass::Control));
  EXPECT_FALSE(isIdOfClass(0x16000000, IdClass::Control));
  EXPECT_FALSE(isIdOfClass(0x52010003, IdClass::Control));
}

}  // namespace
}  // namespace korvane::testing
