// GoogleTest main for the Qt backend's tests: a QApplication on the
// offscreen platform, chosen inside main because the test discovery runs
// this binary at build time, outside any test environment.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
