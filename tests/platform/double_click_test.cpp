#include "platform/double_click.h"

#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

using platform::DoubleClickDetector;

struct SecondPress {
  const char* name;
  unsigned button;
  QPoint pos;
  std::uint64_t time;
  bool isDouble;
};

class DoubleClicks : public ::testing::TestWithParam<SecondPress> {};

// The first press is the left button at (10, 10) at time 1000; the interval
// is 500 ms and the allowance 4 pixels.
TEST_P(DoubleClicks, TellTheSecondPress) {
  DoubleClickDetector detector(500, 4);
  ASSERT_FALSE(detector.isDoubleClick(1, {10, 10}, 1000));
  EXPECT_EQ(detector.isDoubleClick(GetParam().button, GetParam().pos, GetParam().time), GetParam().isDouble);
}

INSTANTIATE_TEST_SUITE_P(Cases, DoubleClicks,
                         ::testing::Values(SecondPress{"same_place_soon", 1, {10, 10}, 1200, true},
                                           SecondPress{"at_the_interval", 1, {10, 10}, 1500, true},
                                           SecondPress{"past_the_interval", 1, {10, 10}, 1501, false},
                                           SecondPress{"within_the_allowance", 1, {14, 6}, 1100, true},
                                           SecondPress{"past_the_allowance", 1, {15, 10}, 1100, false},
                                           SecondPress{"other_button", 2, {10, 10}, 1100, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DoubleClickRules, TheThirdPressStartsANewPair) {
  DoubleClickDetector detector(500, 4);
  EXPECT_FALSE(detector.isDoubleClick(1, {0, 0}, 0));
  EXPECT_TRUE(detector.isDoubleClick(1, {0, 0}, 100));
  EXPECT_FALSE(detector.isDoubleClick(1, {0, 0}, 200));
  EXPECT_TRUE(detector.isDoubleClick(1, {0, 0}, 300));
}

}  // namespace
}  // namespace korvane::testing
