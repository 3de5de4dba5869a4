// Start-up to the first complete frame of the main window on the Qt backend:
// the whole program up to the end of its first paint, flushed to the X
// server. With --floor, the same for an empty frameless window of the main
// window's size, painted once, after the bare decoding of the pictures that
// the program decodes on its way there: the 15 first-page strips, the two
// faces of each of the 75 obtain buttons, and skin. With --floor-text, that
// window also draws the two captions of the title strip in the default font,
// as the program's first frame must.
//
// Prints the CLOCK_MONOTONIC time in nanoseconds at which the frame was
// complete, so that whoever started the process can take its start-up time,
// and the CPU time the process had used by then. With --stay it then keeps
// running, for the idle and memory figures.

#include "app/build_constants.h"
#include "app/showcase.h"
#include "assets/asset_catalog.h"
#include "bench/floor_decode.h"
#include "platform/qt/qt_platform.h"
#include "ui/model/live_window.h"
#include "ui/model/main_window_definition.h"
#include "ui/model/main_window_ids.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>
#include <QScreen>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <utility>
#include <vector>

namespace {

using namespace korvane;

constexpr QSize kMainWindowSize(880, 720);
constexpr int kObtainButtons = 75;

long long nanoseconds(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Waits until the X server has carried out every request sent so far.
void syncWithServer() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11) return;
  xcb_connection_t* connection = x11->connection();
  std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

// Once a window is on screen Qt sends it a paint event for the whole window,
// inside which it paints and flushes; the end of the first ends the start-up.
class FirstFrame final : public QObject {
 public:
  FirstFrame(QWindow* window, bool stay) : window_(window), stay_(stay) { window_->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (done_ || watched != window_) return false;
    if (event->type() != QEvent::Paint) return false;
    static_cast<QObject*>(window_)->event(event);
    if (window_->isExposed()) {
      syncWithServer();
      const long long at = nanoseconds(CLOCK_MONOTONIC);
      const long long cpu = nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
      done_ = true;
      std::printf("%lld %lld\n", at, cpu);
      std::fflush(stdout);
      if (!stay_) std::_Exit(0);
    }
    return true;
  }

 private:
  QWindow* window_;
  bool stay_;
  bool done_ = false;
};

using Captions = std::vector<std::pair<QRect, QString>>;

// The captions of the hyperlink boxes that lie on the main window itself.
Captions titleStripCaptions() {
  Captions captions;
  for (const model::Unit& unit : model::mainWindowDefinition(app::buildContacts()).units) {
    const auto* link = std::get_if<model::HyperLinkerSettings>(&unit.settings);
    if (link && !unit.parent) captions.emplace_back(QRect(unit.left, unit.top, unit.width, unit.height), link->caption);
  }
  return captions;
}

class FloorWindow final : public QRasterWindow {
 public:
  explicit FloorWindow(Captions captions) : captions_(std::move(captions)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(0, 0), size()), Qt::black);
    painter.setFont(QGuiApplication::font());
    painter.setPen(QColor(255, 128, 0));
    for (const auto& [rect, text] : captions_) painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, text);
  }

 private:
  Captions captions_;
};

std::vector<bench::PlainPicture> bareDecodeOfStartUpPictures() {
  std::vector<QByteArray> files;
  for (int category = 0; category < model::kCategoryCount; ++category) {
    for (int row = 1; row <= model::kStripsPerCategory; ++row) {
      files.push_back(assets::assetBytes(model::stripAssetName(category, 1, row)));
    }
  }
  for (int button = 0; button < kObtainButtons; ++button) {
    files.push_back(assets::assetBytes("button_face_1"));
    files.push_back(assets::assetBytes("button_face_2"));
  }
  files.push_back(assets::assetBytes("skin"));
  std::vector<bench::PlainPicture> pictures(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    bench::floorDecode(reinterpret_cast<const std::uint8_t*>(files[i].constData()),
                       static_cast<std::size_t>(files[i].size()), pictures[i]);
  }
  return pictures;
}

}  // namespace

int main(int argc, char** argv) {
  bool floor = false;
  bool text = false;
  bool stay = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--floor") == 0) floor = true;
    if (std::strcmp(argv[i], "--floor-text") == 0) floor = text = true;
    if (std::strcmp(argv[i], "--stay") == 0) stay = true;
  }
  QGuiApplication application(argc, argv);

  if (floor) {
    const std::vector<bench::PlainPicture> pictures = bareDecodeOfStartUpPictures();
    FloorWindow window(text ? titleStripCaptions() : Captions{});
    window.setFlags(Qt::Window | Qt::FramelessWindowHint);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    window.setGeometry(QRect(QPoint((screen.width() - kMainWindowSize.width()) / 2,
                                    (screen.height() - kMainWindowSize.height()) / 2),
                             kMainWindowSize));
    FirstFrame watch(&window, stay);
    window.show();
    return application.exec();
  }

  platform::QtPlatform platform;
  app::Showcase showcase(platform);
  if (!showcase.start()) return 1;
  model::LiveWindow* main = showcase.runtime().liveWindow(model::kMainWindowId);
  auto* window = main ? dynamic_cast<QWindow*>(&main->window().native()) : nullptr;
  if (!window) return 1;
  FirstFrame watch(window, stay);
  showcase.run();
  return 0;
}
