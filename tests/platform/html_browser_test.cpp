#include "platform/qt/html_browser.h"

#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

using platform::commandFromDesktopExec;

const QString kUrl = "https://example.com/a b?x=1&y=$(rm -rf ~);'q'";

struct ExecCase {
  const char* name;
  QString exec;
  QString program;
  QStringList arguments;
};

class DesktopExec : public ::testing::TestWithParam<ExecCase> {};

TEST_P(DesktopExec, PutsTheUrlInAsOneArgument) {
  auto command = commandFromDesktopExec(GetParam().exec, kUrl);
  ASSERT_TRUE(command);
  EXPECT_EQ(command->program, GetParam().program);
  EXPECT_EQ(command->arguments, GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesktopExec,
    ::testing::Values(ExecCase{"url_code", "firefox %u", "firefox", {kUrl}},
                      ExecCase{"list_code_with_options", "/usr/bin/chromium --new-window %U", "/usr/bin/chromium",
                               {"--new-window", kUrl}},
                      ExecCase{"no_code", "x-www-browser", "x-www-browser", {kUrl}},
                      ExecCase{"other_codes_dropped", "browser %i %c %u", "browser", {kUrl}},
                      ExecCase{"quoted_program", "\"/opt/my browser/run\" %u", "/opt/my browser/run", {kUrl}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopExecRules, AnEmptyLineGivesNoCommand) { EXPECT_FALSE(commandFromDesktopExec("", kUrl)); }

}  // namespace
}  // namespace korvane::testing
