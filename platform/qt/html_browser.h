#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace korvane::platform {

struct BrowserCommand {
  QString program;
  QStringList arguments;
};

// The command line of a desktop entry's Exec key, with the URL put in place of
// its field code (or appended when it has none). Nothing for a malformed line.
std::optional<BrowserCommand> commandFromDesktopExec(const QString& exec, const QString& url);

// The command that opens a URL in the browser registered for HTML documents:
// the desktop's default for text/html, else Debian's x-www-browser.
BrowserCommand htmlBrowserCommand(const QString& url);

}  // namespace korvane::platform
