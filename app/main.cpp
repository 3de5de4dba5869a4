#include "app/showcase.h"
#include "platform/qt/qt_platform.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  korvane::platform::QtPlatform platform;
  korvane::app::Showcase showcase(platform);
  showcase.start();
  showcase.run();
  return 0;
}
