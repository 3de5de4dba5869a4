#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // In-process tests never need a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "1");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
