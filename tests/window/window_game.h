#pragma once

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "ui/game_app.h"
#include "ui/main_window.h"
#include "ui/settings_dialog.h"

namespace velmora::ui {

// The program as a player starts it, boxes answered with OK and the end only noted: the
// settings dialog's OK, then the main window on the X server's screen.
inline void startOnScreen(GameApp& app) {
  app.port().setBoxHandler([](QWidget*, const MessageBoxRequest&) { return BoxResult::Ok; });
  app.port().setTerminateAction([] {});
  app.start();
  SettingsDialog* dialog = app.settingsDialog();
  ASSERT_NE(dialog, nullptr);
  auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
  ASSERT_NE(ok, nullptr);
  ok->click();
  ASSERT_NE(app.mainWindow(), nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(app.mainWindow()));
}

}  // namespace velmora::ui
