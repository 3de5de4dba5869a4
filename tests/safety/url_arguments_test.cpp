// URLs reach the opener and the HTML browser through the real Qt platform as
// exactly one argument each, with every shell metacharacter untouched: no
// shell ever sees them. Stand-ins first on PATH write down what they get.

#include "platform/qt/qt_platform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <optional>

namespace korvane::testing {
namespace {

// What one stand-in was started with.
struct Call {
  int count = 0;
  QString arguments;  // every argument followed by a newline
};

class UrlArguments : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath("bin"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("data/applications"));
    savedPath = qgetenv("PATH");
    savedDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("PATH", bin().toLocal8Bit() + ":" + savedPath);
    qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit());
  }

  void TearDown() override {
    qputenv("PATH", savedPath);
    if (savedDataHome.isNull()) {
      qunsetenv("XDG_DATA_HOME");
    } else {
      qputenv("XDG_DATA_HOME", savedDataHome);
    }
  }

  QString bin() const { return dir.filePath("bin"); }

  // A program on the stand-in PATH that writes its argument count, then each
  // argument on a line of its own, into <name>.log.
  void recorder(const QString& name) {
    const QString log = dir.filePath(name + ".log");
    script(name, "{ printf '%s\\n' \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" + log +
                     ".part' && mv '" + log + ".part' '" + log + "'\n");
  }

  void script(const QString& name, const QString& body) {
    QFile file(QDir(bin()).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("#!/bin/sh\n" + body).toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  std::optional<Call> waitForCall(const QString& name) const {
    QFile file(dir.filePath(name + ".log"));
    QElapsedTimer timer;
    timer.start();
    while (!file.exists() && timer.elapsed() < 10000) QThread::msleep(20);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype firstLine = text.indexOf('\n');
    return Call{text.left(firstLine).toInt(), text.mid(firstLine + 1)};
  }

  // Shell code in the URL would create this file if a shell ever ran it.
  QString trap() const { return dir.filePath("shell-ran"); }

  QTemporaryDir dir;
  QByteArray savedPath, savedDataHome;
  platform::QtPlatform platform;
};

struct UrlCase {
  const char* name;
  QString (*url)(const QString& trap);
};

const UrlCase kUrls[] = {
    {"chat_url_keeps_its_case", [](const QString&) { return QString("tencent://Message/?Uin=20260417"); }},
    {"command_substitution",
     [](const QString& t) { return "https://example.com/?a=$(touch " + t + ")&b=`touch " + t + "`"; }},
    {"separators_and_redirection",
     [](const QString& t) { return "https://example.com/x;touch " + t + "&&true||true|tee " + t + ">" + t + "<x"; }},
    {"quotes_globs_and_variables",
     [](const QString&) { return QString("https://example.com/'a' \"b\" * ? [c] ~ $HOME ${PATH} \\ ! # %20"); }},
    {"newline_and_tab", [](const QString& t) { return "https://example.com/a\ntouch " + t + "\tb"; }},
    {"looks_like_an_option", [](const QString&) { return QString("--version; id"); }},
};

class UrlArgumentCases : public UrlArguments, public ::testing::WithParamInterface<UrlCase> {};

TEST_P(UrlArgumentCases, OpenUrlGivesTheOpenerOneUntouchedArgument) {
  recorder("xdg-open");
  const QString url = GetParam().url(trap());
  ASSERT_TRUE(platform.openUrl(url));
  const std::optional<Call> call = waitForCall("xdg-open");
  ASSERT_TRUE(call) << "the stand-in opener was not started";
  EXPECT_EQ(call->count, 1);
  EXPECT_EQ(call->arguments, url + "\n");
  EXPECT_FALSE(QFile::exists(trap()));
}

TEST_P(UrlArgumentCases, TheRegisteredHtmlBrowserGetsTheUrlAsOneArgument) {
  script("xdg-mime", "echo korvane-stand-in-browser.desktop\n");
  recorder("stand-in-browser");
  QFile entry(dir.filePath("data/applications/korvane-stand-in-browser.desktop"));
  ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
  entry.write(("[Desktop Entry]\nType=Application\nName=Stand-in\nExec=" + bin() +
               "/stand-in-browser --new-window %u\n")
                  .toUtf8());
  entry.close();

  const QString url = GetParam().url(trap());
  ASSERT_TRUE(platform.openInHtmlBrowser(url));
  const std::optional<Call> call = waitForCall("stand-in-browser");
  ASSERT_TRUE(call) << "the stand-in browser was not started";
  EXPECT_EQ(call->count, 2);
  EXPECT_EQ(call->arguments, "--new-window\n" + url + "\n");
  EXPECT_FALSE(QFile::exists(trap()));
}

TEST_P(UrlArgumentCases, TheDebianFallbackBrowserGetsTheUrlAsOneArgument) {
  script("xdg-mime", "exit 1\n");
  recorder("x-www-browser");
  const QString url = GetParam().url(trap());
  ASSERT_TRUE(platform.openInHtmlBrowser(url));
  const std::optional<Call> call = waitForCall("x-www-browser");
  ASSERT_TRUE(call) << "the stand-in x-www-browser was not started";
  EXPECT_EQ(call->count, 1);
  EXPECT_EQ(call->arguments, url + "\n");
  EXPECT_FALSE(QFile::exists(trap()));
}

INSTANTIATE_TEST_SUITE_P(Cases, UrlArgumentCases, ::testing::ValuesIn(kUrls),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korvane::testing
