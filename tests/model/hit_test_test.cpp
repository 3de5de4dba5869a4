#include "ui/model/hit_test.h"

#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

using namespace model;

class NullHost final : public ControlHost {
 public:
  void repaint(const LiveControl&) override {}
  void setCapture(LiveControl&) override {}
  void releaseCapture(const LiveControl&) override {}
  bool hasCapture(const LiveControl&) const override { return false; }
  bool isTopmostAt(const LiveControl&, QPoint) const override { return false; }
  void raise(const LiveControl&, Event, const EventArgs&) override {}
  void pageChanged(const LiveControl&) override {}
  platform::Platform& platform() override { throw std::logic_error("unused"); }
};

// top (0,0 10×10) lies over under (5,5 10×10); box (20,0 20×20) holds
// inner (5,5 5×5).
struct Tree {
  NullHost host;
  LiveControl top{host, 1, Kind::TransLabel};
  LiveControl under{host, 2, Kind::TransLabel};
  LiveControl box{host, 3, Kind::PageControl};
  LiveControl inner{host, 4, Kind::PicBtn};
  std::vector<LiveControl*> topLevel{&top, &under, &box};

  Tree() {
    for (auto [c, r] : {std::pair{&top, QRect(0, 0, 10, 10)}, {&under, QRect(5, 5, 10, 10)},
                        {&box, QRect(20, 0, 20, 20)}, {&inner, QRect(5, 5, 5, 5)}}) {
      c->rect = r;
      c->shown = true;
    }
    inner.parent = &box;
    box.children.push_back(&inner);
  }
};

struct HitCase {
  const char* name;
  QPoint at;
  int expected;  // id, or 0 for the window
  QPoint local;
};

class HitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitTest, FindsTheTopmostShownControl) {
  Tree tree;
  HitResult hit = hitTest(tree.topLevel, GetParam().at);
  EXPECT_EQ(hit.control ? static_cast<int>(hit.control->id()) : 0, GetParam().expected);
  EXPECT_EQ(hit.local, GetParam().local);
}

INSTANTIATE_TEST_SUITE_P(Cases, HitTest,
                         ::testing::Values(HitCase{"overlap_goes_to_the_earlier", {7, 7}, 1, {7, 7}},
                                           HitCase{"only_under", {12, 12}, 2, {7, 7}},
                                           HitCase{"nothing", {17, 30}, 0, {17, 30}},
                                           HitCase{"inside_a_container", {26, 6}, 4, {1, 1}},
                                           HitCase{"container_surface", {21, 1}, 3, {1, 1}},
                                           HitCase{"last_pixel", {9, 9}, 1, {9, 9}},
                                           HitCase{"past_the_last_pixel", {10, 4}, 0, {10, 4}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HitTestRules, HiddenControlsAreSkippedAndDisabledOnesPassToTheirParent) {
  Tree tree;
  tree.top.shown = false;
  EXPECT_EQ(hitTest(tree.topLevel, {7, 7}).control, &tree.under);
  tree.inner.disabled = true;
  EXPECT_EQ(hitTest(tree.topLevel, {26, 6}), (HitResult{&tree.box, {6, 6}}));
  tree.box.shown = false;
  EXPECT_EQ(hitTest(tree.topLevel, {26, 6}).control, nullptr);
}

}  // namespace
}  // namespace korvane::testing
