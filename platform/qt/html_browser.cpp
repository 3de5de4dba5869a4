#include "platform/qt/html_browser.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace korvane::platform {
namespace {

QString desktopDefaultForHtml() {
  QProcess query;
  query.start("xdg-mime", {"query", "default", "text/html"});
  if (!query.waitForFinished(2000) || query.exitCode() != 0) return {};
  return QString::fromUtf8(query.readAllStandardOutput()).trimmed();
}

QString execLineOf(const QString& desktopId) {
  if (desktopId.isEmpty() || desktopId.contains('/')) return {};
  const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId);
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
  QTextStream in(&file);
  bool inEntry = false;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.startsWith('[')) inEntry = line == "[Desktop Entry]";
    if (inEntry && line.startsWith("Exec=")) return line.mid(5);
  }
  return {};
}

}  // namespace

std::optional<BrowserCommand> commandFromDesktopExec(const QString& exec, const QString& url) {
  QStringList words = QProcess::splitCommand(exec);
  if (words.isEmpty()) return std::nullopt;
  BrowserCommand command{words.takeFirst(), {}};
  bool placed = false;
  for (const QString& word : words) {
    if (word == "%u" || word == "%U" || word == "%f" || word == "%F") {
      if (!placed) command.arguments << url;
      placed = true;
    } else if (word.size() == 2 && word.startsWith('%')) {
      continue;  // other field codes carry nothing we have
    } else {
      command.arguments << word;
    }
  }
  if (!placed) command.arguments << url;
  return command;
}

BrowserCommand htmlBrowserCommand(const QString& url) {
  if (auto command = commandFromDesktopExec(execLineOf(desktopDefaultForHtml()), url)) return *command;
  return BrowserCommand{"x-www-browser", {url}};
}

}  // namespace korvane::platform
