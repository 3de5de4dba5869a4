// The figures that need a real X server, measured from outside the process
// under Xvfb (no window manager): start-up to the first frame, the CPU that
// the idle program uses, and its resident memory before and after a run of
// page turns and notice windows. The floor of each is an empty frameless
// window of the main window's size after the bare decoding of the pictures
// that the program decodes on its way to its first frame.
//
// Prints one row per figure, in the format of bench/paired_figures.h.

#include "app/build_constants.h"
#include "ui/model/main_window_definition.h"
#include "ui/model/main_window_ids.h"
#include "ui/model/notice_window_definition.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <vector>

namespace {

using namespace korvane;

constexpr QSize kScreen(1024, 768);
constexpr int kStartUpRounds = 21;
constexpr int kIdleSeconds = 10;
constexpr int kCycleRounds = 5;
constexpr int kTurnsPerRound = 20;
constexpr int kNoticesPerRound = 4;

long long monotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

double median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// A figure without a floor prints "-" in its place.
void row(const char* figure, double ours, std::optional<double> floor, const char* factor, const char* allowance,
         const char* unit) {
  const QByteArray floorText = floor ? QByteArray::number(*floor, 'f', 4) : QByteArray("-");
  std::printf("%s\t%.4f\t%s\t%s\t%s\t%s\n", figure, ours, floorText.constData(), factor, allowance, unit);
  std::fflush(stdout);
}

void stop(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.terminate();
  if (!process.waitForFinished(3000)) {
    process.kill();
    process.waitForFinished(3000);
  }
}

class Display {
 public:
  Display() {
    for (int n = 180; n < 400 && !ready_; ++n) {
      if (QFileInfo::exists(QString("/tmp/.X%1-lock").arg(n)) ||
          QFileInfo::exists(QString("/tmp/.X11-unix/X%1").arg(n))) {
        continue;
      }
      name_ = QString(":%1").arg(n);
      server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
      server_.start("Xvfb", {name_, "-screen", "0", QString("%1x%2x24").arg(kScreen.width()).arg(kScreen.height()),
                             "-nolisten", "tcp"});
      if (!server_.waitForStarted(5000)) return;
      const QString socket = "/tmp/.X11-unix/X" + name_.mid(1);
      for (int i = 0; i < 100 && !QFileInfo::exists(socket) && server_.state() == QProcess::Running; ++i) {
        QThread::msleep(50);
      }
      ready_ = server_.state() == QProcess::Running && QFileInfo::exists(socket);
      if (!ready_) stop(server_);
    }
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert("DISPLAY", name_);
    environment_.insert("QT_QPA_PLATFORM", "xcb");
    environment_.insert("QT_SCALE_FACTOR", "1");
    environment_.insert("XDG_RUNTIME_DIR", runtimeDir_.path());
    environment_.remove("WAYLAND_DISPLAY");
  }
  ~Display() { stop(server_); }

  bool ready() const { return ready_; }
  const QProcessEnvironment& environment() const { return environment_; }

  QString run(const QString& program, const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) stop(process);
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  void click(QPoint at) const {
    run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
  }

  // Visible windows of a process, as the window system lists them.
  int visibleWindowsOf(qint64 pid) const {
    return static_cast<int>(
        run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)}).split('\n', Qt::SkipEmptyParts).size());
  }

  bool waitForVisibleWindows(qint64 pid, int count) const {
    for (int i = 0; i < 500; ++i) {
      if (visibleWindowsOf(pid) == count) return true;
      QThread::msleep(10);
    }
    return false;
  }

 private:
  QString name_;
  QProcess server_;
  QTemporaryDir runtimeDir_;
  QProcessEnvironment environment_;
  bool ready_ = false;
};

struct FirstFrame {
  double wallMs;
  double cpuMs;
};

std::optional<FirstFrame> firstFrame(const Display& display, const QStringList& arguments) {
  QProcess process;
  process.setProcessEnvironment(display.environment());
  process.setProcessChannelMode(QProcess::SeparateChannels);
  const long long started = monotonicNs();
  process.start(KORVANE_FIRST_FRAME_BINARY, arguments);
  if (!process.waitForFinished(20000)) {
    stop(process);
    return std::nullopt;
  }
  const QStringList fields = QString::fromUtf8(process.readAllStandardOutput()).split(' ', Qt::SkipEmptyParts);
  if (fields.size() != 2) return std::nullopt;
  return FirstFrame{(fields[0].toLongLong() - started) / 1e6, fields[1].toLongLong() / 1e6};
}

// CPU time of every thread of a process so far, in nanoseconds, from the
// scheduler's own accounting, which is far finer than the ticks of
// /proc/PID/stat.
long long cpuNs(qint64 pid) {
  long long total = 0;
  const QDir tasks(QString("/proc/%1/task").arg(pid));
  for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile schedstat(tasks.filePath(task) + "/schedstat");
    if (schedstat.open(QIODevice::ReadOnly)) total += schedstat.readAll().split(' ').value(0).toLongLong();
  }
  return total;
}

// A field of /proc/PID/status in MiB.
double statusMiB(qint64 pid, const char* field) {
  QFile status(QString("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return 0.0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith(field)) {
      return line.mid(static_cast<int>(std::strlen(field))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
  }
  return 0.0;
}

class Running {
 public:
  Running(const Display& display, const QString& program, const QStringList& arguments) {
    process_.setProcessEnvironment(display.environment());
    process_.start(program, arguments);
    process_.waitForStarted(5000);
    ok_ = display.waitForVisibleWindows(process_.processId(), 1);
    // Let the start-up's last events settle before anything is measured.
    QThread::msleep(1000);
  }
  ~Running() { stop(process_); }
  bool ok() const { return ok_ && process_.state() == QProcess::Running; }
  qint64 pid() const { return process_.processId(); }

 private:
  QProcess process_;
  bool ok_ = false;
};

double idleCpuMs(qint64 pid) {
  const long long before = cpuNs(pid);
  QThread::sleep(kIdleSeconds);
  return (cpuNs(pid) - before) / 1e6;
}

// Where the user clicks a control of a window placed as the program places
// it on this screen: centred.
QPoint screenPointOf(const model::WindowDefinition& definition, model::UnitId unit) {
  const model::Unit& window = definition.units.front();
  QPoint origin((kScreen.width() - window.width) / 2, (kScreen.height() - window.height) / 2);
  const auto find = [&](model::UnitId id) -> const model::Unit* {
    for (const model::Unit& u : definition.units) {
      if (u.id == id) return &u;
    }
    return nullptr;
  };
  const model::Unit* control = find(unit);
  if (!control) return origin;
  QRect rect(control->left, control->top, control->width, control->height);
  for (const model::Unit* parent = control->parent ? find(*control->parent) : nullptr; parent;
       parent = parent->parent ? find(*parent->parent) : nullptr) {
    rect.translate(parent->left, parent->top);
  }
  return origin + rect.center();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  Display display;
  if (!display.ready()) {
    std::fprintf(stderr, "Xvfb did not start\n");
    return 1;
  }

  // Start-up: the program, its floor, and the floor that also draws the
  // title strip's captions, which shows what text costs. The caches are
  // warmed once, then each round starts the three in a rotated order.
  const std::vector<QStringList> variants = {{}, {"--floor"}, {"--floor-text"}};
  for (const QStringList& arguments : variants) firstFrame(display, arguments);
  std::vector<std::vector<double>> wall(variants.size()), cpu(variants.size());
  for (int round = 0; round < kStartUpRounds; ++round) {
    for (std::size_t i = 0; i < variants.size(); ++i) {
      const std::size_t variant = (round + i) % variants.size();
      if (const std::optional<FirstFrame> frame = firstFrame(display, variants[variant])) {
        wall[variant].push_back(frame->wallMs);
        cpu[variant].push_back(frame->cpuMs);
      }
    }
  }
  std::fprintf(stderr, "start-up: %zu, %zu and %zu runs\n", wall[0].size(), wall[1].size(), wall[2].size());
  row("start-up to first frame (floor: empty window + bare decode)", median(wall[0]), median(wall[1]), "1.3", "0",
      "ms");
  row("  the same, CPU time of the process", median(cpu[0]), median(cpu[1]), "-", "-", "ms");
  row("  the same, floor also drawing the 2 title captions", median(wall[0]), median(wall[2]), "-", "-", "ms");

  // Idle and memory: the program itself against the floor left running.
  Running floor(display, KORVANE_FIRST_FRAME_BINARY, {"--floor", "--stay"});
  Running ours(display, KORVANE_BINARY, {});
  if (!floor.ok() || !ours.ok()) {
    std::fprintf(stderr, "the program or the floor did not show its window\n");
    return 1;
  }
  const double floorIdle = idleCpuMs(floor.pid());
  const double oursIdle = idleCpuMs(ours.pid());
  row("idle CPU over 10 s (floor: the same, idle)", oursIdle, floorIdle, "0", "1", "ms");

  const double floorPeak = statusMiB(floor.pid(), "VmHWM:");
  row("peak RSS after start-up", statusMiB(ours.pid(), "VmHWM:"), floorPeak, "0", "64", "MiB");

  const model::WindowDefinition main = model::mainWindowDefinition(app::buildContacts());
  const model::WindowDefinition notice = model::noticeWindowDefinition();
  const QPoint next = screenPointOf(main, model::kNextPageHotAreaId);
  const QPoint previous = screenPointOf(main, model::kPreviousPageHotAreaId);
  const QPoint obtain = screenPointOf(main, model::categoryControls()[model::kMalePage].buttons[0]);
  const QPoint confirm = screenPointOf(notice, model::kConfirmHotAreaId);

  std::vector<double> residentAfterRound;
  int noticesSeen = 0;
  for (int round = 0; round < kCycleRounds; ++round) {
    // 男服饰 has three pages: two turns forward, two back.
    for (int turn = 0; turn < kTurnsPerRound; ++turn) display.click(turn % 4 < 2 ? next : previous);
    for (int cycle = 0; cycle < kNoticesPerRound; ++cycle) {
      display.click(obtain);
      if (!display.waitForVisibleWindows(ours.pid(), 2)) continue;
      display.click(confirm);
      if (display.waitForVisibleWindows(ours.pid(), 1)) ++noticesSeen;
    }
    QThread::msleep(200);
    residentAfterRound.push_back(statusMiB(ours.pid(), "VmRSS:"));
  }
  if (noticesSeen != kCycleRounds * kNoticesPerRound) {
    std::fprintf(stderr, "only %d of the notice windows opened and closed\n", noticesSeen);
  }
  row("peak RSS after 100 page turns + 20 notice cycles", statusMiB(ours.pid(), "VmHWM:"), floorPeak, "0", "64",
      "MiB");
  // The first round settles what a first use allocates once.
  row("RSS growth from cycle round 1 to 5", residentAfterRound.back() - residentAfterRound.front(), std::nullopt, "0",
      "0.5", "MiB");
  return 0;
}
