// The main of the tests that run against a real X server: one application for all of them,
// which stays up while their windows come and go.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/app_setup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  velmora::ui::setUpApplication(app);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
