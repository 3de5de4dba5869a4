#include "tests/e2e/desktop.h"

#include "assets/asset_catalog.h"
#include "assets/decode_picture.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>


namespace korvane::e2e {
namespace {

void stop(std::unique_ptr<QProcess>& process) {
  if (!process || process->state() == QProcess::NotRunning) return;
  process->terminate();
  if (!process->waitForFinished(3000)) {
    process->kill();
    process->waitForFinished(3000);
  }
}

QString freeDisplay() {
  for (int n = 140; n < 400; ++n) {
    if (!QFileInfo::exists(QString("/tmp/.X%1-lock").arg(n)) &&
        !QFileInfo::exists(QString("/tmp/.X11-unix/X%1").arg(n))) {
      return QString(":%1").arg(n);
    }
  }
  return {};
}

}  // namespace

Desktop::Desktop(QSize screen) : screen_(screen) {
  for (int attempt = 0; attempt < 5 && !ready_; ++attempt) {
    display_ = freeDisplay();
    xvfb_ = std::make_unique<QProcess>();
    xvfb_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    xvfb_->start("Xvfb", {display_, "-screen", "0",
                          QString("%1x%2x24").arg(screen.width()).arg(screen.height()), "-nolisten", "tcp"});
    if (!xvfb_->waitForStarted(5000)) continue;
    const QString socket = "/tmp/.X11-unix/X" + display_.mid(1);
    for (int i = 0; i < 100 && !QFileInfo::exists(socket) && xvfb_->state() == QProcess::Running; ++i) {
      QThread::msleep(50);
    }
    if (xvfb_->state() != QProcess::Running) continue;

    openbox_ = std::make_unique<QProcess>();
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    openbox_->setProcessEnvironment(env);
    openbox_->start("openbox", {"--sm-disable"});
    if (!openbox_->waitForStarted(5000)) continue;
    for (int i = 0; i < 100; ++i) {
      if (run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id")) {
        ready_ = true;
        break;
      }
      QThread::msleep(50);
    }
  }
}

Desktop::~Desktop() {
  stop(openbox_);
  stop(xvfb_);
}

QString Desktop::run(const QString& program, const QStringList& arguments, int timeoutMs) const {
  QProcess process;
  auto env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", display_);
  process.setProcessEnvironment(env);
  process.start(program, arguments);
  if (!process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished(1000);
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

QImage Desktop::screenshot() const {
  QProcess process;
  auto env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", display_);
  process.setProcessEnvironment(env);
  process.start("import", {"-window", "root", "png:-"});
  process.waitForFinished(15000);
  return QImage::fromData(process.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}

static QStringList at(QPoint p) { return {QString::number(p.x()), QString::number(p.y())}; }

void Desktop::moveTo(QPoint global) const { run("xdotool", QStringList{"mousemove"} + at(global)); }

void Desktop::click(QPoint global) const {
  run("xdotool", QStringList{"mousemove"} + at(global) + QStringList{"click", "1"});
}

void Desktop::doubleClick(QPoint global) const {
  run("xdotool", QStringList{"mousemove"} + at(global) + QStringList{"click", "--repeat", "2", "--delay", "60", "1"});
}

void Desktop::press(QPoint global) const {
  run("xdotool", QStringList{"mousemove"} + at(global) + QStringList{"mousedown", "1"});
}

void Desktop::release(QPoint global) const {
  run("xdotool", QStringList{"mousemove"} + at(global) + QStringList{"mouseup", "1"});
}

void Desktop::key(const QString& keys) const { run("xdotool", {"key", keys}); }

std::optional<QString> Desktop::findWindow(const QString& name, int timeoutMs) const {
  for (int waited = 0; waited <= timeoutMs; waited += 100) {
    const QString out = run("xdotool", {"search", "--onlyvisible", "--name", "^" + name + "$"});
    const QStringList ids = out.split('\n', Qt::SkipEmptyParts);
    if (!ids.isEmpty()) return ids.first();
    QThread::msleep(100);
  }
  return std::nullopt;
}

std::optional<QRect> Desktop::geometry(const QString& windowId) const {
  const QString out = run("xwininfo", {"-id", windowId});
  auto field = [&](const QString& label) -> std::optional<int> {
    for (const QString& line : out.split('\n')) {
      const QString trimmed = line.trimmed();
      if (trimmed.startsWith(label)) return trimmed.mid(label.size()).trimmed().toInt();
    }
    return std::nullopt;
  };
  auto x = field("Absolute upper-left X:"), y = field("Absolute upper-left Y:");
  auto w = field("Width:"), h = field("Height:");
  if (!x || !y || !w || !h) return std::nullopt;
  return QRect(*x, *y, *w, *h);
}

QString Desktop::property(const QString& windowId, const QString& name) const {
  return run("xprop", {"-id", windowId, name}).trimmed();
}

bool Desktop::isViewable(const QString& windowId) const {
  return run("xwininfo", {"-id", windowId}).contains("Map State: IsViewable");
}

Program::Program(const Desktop& desktop) : desktop_(desktop) {
  QFile opener(bin_.filePath("xdg-open"));
  opener.open(QIODevice::WriteOnly);
  opener.write(QString("#!/bin/sh\n"
                       "{ printf 'CALL %s\\n' \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } >> '%1'\n")
                   .arg(bin_.filePath("opener.log"))
                   .toUtf8());
  opener.close();
  opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

Program::~Program() { stop(process_); }

bool Program::start() {
  process_ = std::make_unique<QProcess>();
  auto env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", desktop_.display());
  env.insert("PATH", bin_.path() + ":" + env.value("PATH"));
  env.insert("QT_QPA_PLATFORM", "xcb");
  env.insert("QT_SCALE_FACTOR", "1");
  env.insert("XDG_RUNTIME_DIR", bin_.path());
  env.remove("WAYLAND_DISPLAY");
  process_->setProcessEnvironment(env);
  process_->setProcessChannelMode(QProcess::ForwardedChannels);
  process_->start(KORVANE_BINARY, {});
  return process_->waitForStarted(5000);
}

bool Program::running() const {
  if (!process_) return false;
  // Without an event loop, QProcess learns that the program ended only when
  // it is asked to wait; until then an ended program still reads as running.
  if (process_->state() == QProcess::Running) process_->waitForFinished(0);
  return process_->state() == QProcess::Running;
}

std::optional<int> Program::waitForExit(int timeoutMs) {
  if (!process_) return std::nullopt;
  if (process_->state() != QProcess::NotRunning && !process_->waitForFinished(timeoutMs)) return std::nullopt;
  if (process_->exitStatus() != QProcess::NormalExit) return -1;
  return process_->exitCode();
}

qint64 Program::pid() const { return process_ ? process_->processId() : 0; }

std::vector<QStringList> Program::openerCalls() const {
  std::vector<QStringList> calls;
  QFile log(bin_.filePath("opener.log"));
  if (!log.open(QIODevice::ReadOnly)) return calls;
  const QStringList lines = QString::fromUtf8(log.readAll()).split('\n');
  for (int i = 0; i < lines.size(); ++i) {
    if (!lines[i].startsWith("CALL ")) continue;
    const int count = lines[i].mid(5).toInt();
    calls.push_back(lines.mid(i + 1, count));
    i += count;
  }
  return calls;
}

long Program::residentKiB() const {
  QFile status(QString("/proc/%1/status").arg(pid()));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QString& line : QString::fromLatin1(status.readAll()).split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
  }
  return 0;
}

QImage storedPicture(const char* assetName) {
  auto decoded = assets::decodePicture(assets::assetBytes(assetName));
  return decoded ? decoded->convertToFormat(QImage::Format_RGB32) : QImage();
}

double matchingShare(const QImage& shot, QPoint at, const QImage& reference, int tolerance) {
  if (reference.isNull()) return 0;
  long matching = 0;
  long total = 0;
  for (int y = 0; y < reference.height(); ++y) {
    for (int x = 0; x < reference.width(); ++x) {
      const QPoint p = at + QPoint(x, y);
      ++total;
      if (!shot.rect().contains(p)) continue;
      const QRgb a = shot.pixel(p), b = reference.pixel(x, y);
      if (std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
          std::abs(qBlue(a) - qBlue(b)) <= tolerance) {
        ++matching;
      }
    }
  }
  return total ? double(matching) / double(total) : 0;
}

}  // namespace korvane::e2e
