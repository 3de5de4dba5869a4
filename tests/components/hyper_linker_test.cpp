#include "tests/components/component_fixture.h"

#include "app/build_constants.h"
#include "ui/components/hyper_linker.h"

namespace korvane::testing {
namespace {

using components::HyperLinker;
using model::kRecordsWebsiteLinkId;
using model::kTitleServiceLinkId;
using model::kTitleWebsiteLinkId;

const QColor kOrange(255, 128, 0), kRed(255, 0, 0), kDarkRed(128, 0, 0), kStripGrey(90, 90, 90);
const QString kWebsite = QString::fromLatin1(app::kWebsite);

// A point of the title strip's skin that no control covers.
constexpr QPoint kAway(620, 30);

class HyperLinkerTest : public ComponentTest {
 protected:
  HyperLinker& link(model::UnitId id) { return controlAs<HyperLinker>(id); }
  // Which of the three text colours the box shows.
  std::vector<const char*> coloursOf(model::UnitId id) {
    const QRect rect = windowRectOf(id);
    std::vector<const char*> found;
    if (containsColour(grab(), rect, kOrange)) found.push_back("normal");
    if (containsColour(grab(), rect, kRed)) found.push_back("hover");
    if (containsColour(grab(), rect, kDarkRed)) found.push_back("visited");
    return found;
  }
  using Colours = std::vector<const char*>;
};

TEST_F(HyperLinkerTest, ShowsTheNormalHoverAndVisitedColours) {
  start();
  const QRect rect = windowRectOf(kTitleWebsiteLinkId);
  ASSERT_EQ(rect, QRect(367, 10, 224, 16));
  EXPECT_EQ(QColor(grab().pixel(rect.topLeft())), kStripGrey);
  EXPECT_EQ(QColor(grab().pixel(rect.bottomRight())), kStripGrey);
  EXPECT_EQ(coloursOf(kTitleWebsiteLinkId), Colours{"normal"});

  moveTo(rect.center());
  EXPECT_TRUE(link(kTitleWebsiteLinkId).hovering());
  EXPECT_EQ(live().captureHolder(), &link(kTitleWebsiteLinkId));
  EXPECT_EQ(coloursOf(kTitleWebsiteLinkId), Colours{"hover"});

  click(rect.center());
  EXPECT_EQ(coloursOf(kTitleWebsiteLinkId), Colours{"hover"});

  moveTo(kAway);
  EXPECT_FALSE(link(kTitleWebsiteLinkId).hovering());
  EXPECT_EQ(live().captureHolder(), nullptr);
  EXPECT_EQ(coloursOf(kTitleWebsiteLinkId), Colours{"visited"});
}

TEST_F(HyperLinkerTest, TheEmptyServiceLinkStillChangesColourUnderThePointer) {
  start();
  const QRect rect = windowRectOf(kTitleServiceLinkId);
  EXPECT_EQ(coloursOf(kTitleServiceLinkId), Colours{"normal"});
  moveTo(rect.center());
  EXPECT_EQ(coloursOf(kTitleServiceLinkId), Colours{"hover"});
  moveTo(QPoint(rect.right() + 1, rect.center().y()));
  EXPECT_EQ(coloursOf(kTitleServiceLinkId), Colours{"normal"});
}

// ---- Opening the target ---------------------------------------------------------

enum class Edit { None, EmailAddress, NoWebAddress };

struct OpenCase {
  const char* name;
  model::UnitId box;
  Edit edit;
  bool opens, browserOpens;
  std::vector<QString> opened, browser;
  bool visited;
};

class OpenTarget : public HyperLinkerTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenTarget, APressOpensTheTargetOrFallsBackToTheBrowser) {
  const OpenCase& c = GetParam();
  if (c.edit == Edit::EmailAddress) {
    settingsOf<model::HyperLinkerSettings>(c.box).emailAddress = QStringLiteral("service@korvane.example.com");
  }
  if (c.edit == Edit::NoWebAddress) settingsOf<model::HyperLinkerSettings>(c.box).webAddress.clear();
  start();
  if (c.box == kRecordsWebsiteLinkId) showPage(model::kRecordsPage);
  platform.setOpenUrlSucceeds(c.opens);
  platform.setHtmlBrowserSucceeds(c.browserOpens);

  const QPoint centre = windowRectOf(c.box).center();
  moveTo(centre);
  press(centre);
  EXPECT_EQ(platform.openedUrls(), c.opened);
  EXPECT_EQ(platform.browserUrls(), c.browser);
  EXPECT_EQ(link(c.box).visited(), c.visited);
  release(centre);
  EXPECT_EQ(platform.openedUrls().size(), c.opened.size());

  moveTo(kAway);
  EXPECT_EQ(coloursOf(c.box), Colours{c.visited ? "visited" : "normal"});
  EXPECT_TRUE(calls.empty());
}

const QString kMail = QStringLiteral("mailto:service@korvane.example.com");

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenTarget,
    ::testing::Values(
        OpenCase{"website", kTitleWebsiteLinkId, Edit::None, true, true, {kWebsite}, {}, true},
        OpenCase{"website_through_the_browser", kTitleWebsiteLinkId, Edit::None, false, true, {kWebsite}, {kWebsite},
                 true},
        OpenCase{"website_not_opened", kTitleWebsiteLinkId, Edit::None, false, false, {kWebsite}, {kWebsite}, false},
        OpenCase{"records_page_website", kRecordsWebsiteLinkId, Edit::None, true, true, {kWebsite}, {}, true},
        OpenCase{"empty_email_address", kTitleServiceLinkId, Edit::None, true, true, {}, {}, false},
        OpenCase{"email_address", kTitleServiceLinkId, Edit::EmailAddress, true, true, {kMail}, {}, true},
        OpenCase{"empty_web_address", kTitleWebsiteLinkId, Edit::NoWebAddress, true, true, {}, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HyperLinkerTest, ADoubleClickOpensTheTargetOnce) {
  start();
  doubleClick(windowRectOf(kTitleWebsiteLinkId).center());
  EXPECT_EQ(platform.openedUrls(), std::vector<QString>{kWebsite});
}

TEST_F(HyperLinkerTest, AReleaseAloneOpensNothing) {
  start();
  const QPoint surface(17, 219);
  moveTo(surface);
  press(surface);
  moveTo(windowRectOf(kTitleWebsiteLinkId).center());
  release(windowRectOf(kTitleWebsiteLinkId).center());
  EXPECT_TRUE(platform.openedUrls().empty());
  EXPECT_FALSE(link(kTitleWebsiteLinkId).visited());
}

TEST_F(HyperLinkerTest, VisitedFollowsTheLatestAttempt) {
  start();
  const QPoint centre = windowRectOf(kTitleWebsiteLinkId).center();
  click(centre);
  ASSERT_TRUE(link(kTitleWebsiteLinkId).visited());
  platform.setOpenUrlSucceeds(false);
  platform.setHtmlBrowserSucceeds(false);
  click(centre);
  EXPECT_FALSE(link(kTitleWebsiteLinkId).visited());
  moveTo(kAway);
  EXPECT_EQ(coloursOf(kTitleWebsiteLinkId), Colours{"normal"});
}

// ---- The text ------------------------------------------------------------------------

// The two title links have the same size, background and font, so the same
// text must give the same pixels.
class LinkText : public HyperLinkerTest {
 protected:
  void setText(model::UnitId id, const QString& caption, const QString& webAddress) {
    auto& settings = settingsOf<model::HyperLinkerSettings>(id);
    settings.linkKind = model::HyperLinkerSettings::LinkKind::Web;
    settings.caption = caption;
    settings.webAddress = webAddress;
  }
  ::testing::AssertionResult sameText() {
    const QRect a = windowRectOf(kTitleWebsiteLinkId);
    const QRect b = windowRectOf(kTitleServiceLinkId);
    return matchesPicture(grab(), a, grab(), b.topLeft());
  }
};

TEST_F(LinkText, AnEmptyCaptionShowsTheWebAddress) {
  setText(kTitleWebsiteLinkId, QString(), QStringLiteral("korvane.example.com"));
  setText(kTitleServiceLinkId, QStringLiteral("korvane.example.com"), QStringLiteral("other.example.com"));
  start();
  ASSERT_TRUE(containsColour(grab(), windowRectOf(kTitleWebsiteLinkId), kOrange));
  EXPECT_TRUE(sameText());
}

TEST_F(LinkText, TheCaptionIsCentred) {
  setText(kTitleWebsiteLinkId, QStringLiteral("korvane"), QString());
  start();
  const QRect rect = windowRectOf(kTitleWebsiteLinkId);
  const QRect ink = inkBounds(grab(), rect, kStripGrey);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_LE(std::abs(ink.center().x() - rect.center().x()), 2);
  EXPECT_LE(std::abs(ink.center().y() - rect.center().y()), 3);
}

TEST_F(LinkText, AnAmpersandIsShownAsItIs) {
  setText(kTitleWebsiteLinkId, QStringLiteral("R&D"), QString());
  setText(kTitleServiceLinkId, QStringLiteral("RD"), QString());
  start();
  EXPECT_FALSE(sameText());
  const int withAmpersand = inkBounds(grab(), windowRectOf(kTitleWebsiteLinkId), kStripGrey).width();
  const int without = inkBounds(grab(), windowRectOf(kTitleServiceLinkId), kStripGrey).width();
  EXPECT_GT(withAmpersand, without + 4);
}

}  // namespace
}  // namespace korvane::testing
