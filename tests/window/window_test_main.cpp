// The main of the tests that run against a real X server: one application for all of them,
// which stays up while their windows come and go.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "ui/app/app_setup.h"

int main(int argc, char** argv) {
  // The runner's own saves and autosaves are never met: a data folder of this run alone.
  QTemporaryDir data;
  setenv("XDG_DATA_HOME", data.path().toLocal8Bit().constData(), 1);
  QApplication app(argc, argv);
  velmora::ui::setUpApplication(app);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
