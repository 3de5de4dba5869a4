#include "tests/model/model_fixture.h"

namespace korvane::testing {
namespace {

using namespace model;

TEST_F(ModelTest, CommonRolesReadFromTheStoreWhileTheWindowIsNotLoaded) {
  EXPECT_EQ(read(kWindowA, kWindowAUnit, Role::Width), Value(std::int32_t{200}));
  EXPECT_EQ(read(kWindowA, kHot2, Role::Left), Value(std::int32_t{40}));
  EXPECT_EQ(read(kWindowA, kHot2, Role::Visible), Value(true));
  write(kWindowA, kHot2, Role::Top, 33);
  EXPECT_EQ(read(kWindowA, kHot2, Role::Top), Value(std::int32_t{33}));
}

TEST_F(ModelTest, VisibleReadsWhatIsActuallyShown) {
  ASSERT_TRUE(load(kWindowA));
  EXPECT_EQ(read(kWindowA, kButton1, Role::Visible), Value(false));
  nativeOf(kWindowA).setShowState(platform::ShowState::Hidden);
  EXPECT_EQ(read(kWindowA, kHot1, Role::Visible), Value(false));
  EXPECT_TRUE(runtime->store(kWindowA)->find(kHot1)->visible);
}

TEST_F(ModelTest, GeometryWritesMoveTheLiveControl) {
  ASSERT_TRUE(load(kWindowA));
  write(kWindowA, kHot1, Role::Width, 5);
  write(kWindowA, kHot1, Role::Left, 150);
  EXPECT_EQ(read(kWindowA, kHot1, Role::Width), Value(std::int32_t{5}));
  EXPECT_EQ(read(kWindowA, kHot1, Role::Left), Value(std::int32_t{150}));
  platform.click(nativeOf(kWindowA), QPoint(152, 15));
  platform.processEvents();
  EXPECT_EQ(calls.back(), "hot1");
}

TEST_F(ModelTest, TagAlwaysComesFromTheStore) {
  ASSERT_TRUE(load(kWindowA));
  write(kWindowA, kHot1, Role::Tag, QString("note"));
  EXPECT_EQ(read(kWindowA, kHot1, Role::Tag), Value(QString("note")));
}

TEST_F(ModelTest, DisablingAControlPassesItsMouseToItsParent) {
  ASSERT_TRUE(load(kWindowA));
  write(kWindowA, kHot1, Role::Disabled, 1);
  EXPECT_EQ(read(kWindowA, kHot1, Role::Disabled), Value(true));
  platform.click(nativeOf(kWindowA), QPoint(15, 15));
  platform.processEvents();
  EXPECT_EQ(calls, std::vector<std::string>{"createdA"});
}

struct HostileCase {
  const char* name;
  WindowId window;
  UnitId unit;
  Role role;
  bool loaded;
};

class HostileProperty : public ModelTest, public ::testing::WithParamInterface<HostileCase> {};

TEST_P(HostileProperty, ReadsEmptyAndWritesNothing) {
  const HostileCase& c = GetParam();
  if (c.loaded) {
    ASSERT_TRUE(load(kWindowA));
  }
  const Value empty = emptyValueOf(valueTypeOf(c.role));
  EXPECT_EQ(read(c.window, c.unit, c.role), empty);
  const auto storeBefore = runtime->store(kWindowA)->units().size();
  write(c.window, c.unit, c.role, std::int32_t{5});
  write(c.window, c.unit, c.role, QByteArray("junk"));
  EXPECT_EQ(read(c.window, c.unit, c.role), empty);
  EXPECT_EQ(runtime->store(kWindowA)->units().size(), storeBefore);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileProperty,
                         ::testing::Values(HostileCase{"unknown_window", 0x52FFFFFF, kHot1, Role::Left, true},
                                           HostileCase{"unknown_unit", kWindowA, 0x16FFFFFF, Role::Left, true},
                                           HostileCase{"zero_ids", 0, 0, Role::Visible, true},
                                           HostileCase{"own_role_unloaded", kWindowA, kPages, Role::CurrentPage,
                                                       false},
                                           HostileCase{"state_unloaded", kWindowA, kWindowAUnit,
                                                       Role::WindowState, false},
                                           HostileCase{"role_of_other_kind", kWindowA, kHot1, Role::CurrentPage,
                                                       true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModelTest, LogicalWritesTakeAnyNonZeroIntegerAsTrue) {
  ASSERT_TRUE(load(kWindowA));
  write(kWindowA, kHot1, Role::Visible, std::int32_t{0});
  EXPECT_EQ(read(kWindowA, kHot1, Role::Visible), Value(false));
  write(kWindowA, kHot1, Role::Visible, std::int32_t{-7});
  EXPECT_EQ(read(kWindowA, kHot1, Role::Visible), Value(true));
  write(kWindowA, kHot1, Role::Visible, QString("no"));  // not a logical: ignored
  EXPECT_EQ(read(kWindowA, kHot1, Role::Visible), Value(true));
}

}  // namespace
}  // namespace korvane::testing
