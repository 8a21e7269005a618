// Desktop tests share one QApplication; without a display they use the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "ui/app/app_setup.h"

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // The runner's own saves and autosaves are never met: a data folder of this run alone.
  QTemporaryDir data;
  setenv("XDG_DATA_HOME", data.path().toLocal8Bit().constData(), 1);
  QApplication app(argc, argv);
  velmora::ui::setUpApplication(app);
  // Windows come and go between tests; none of that may end the test program.
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
