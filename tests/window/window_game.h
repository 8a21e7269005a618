#pragma once

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "core/game.h"

#include "ui/app/game_app.h"
#include "ui/main/main_window.h"
#include "ui/windows/settings_dialog.h"

namespace velmora::ui {

// The program as a player starts it, boxes answered with OK and the end only noted: the
// settings dialog's OK, then the main window on the X server's screen.
// Each game saves (and autosaves) into a fresh folder of its own, never into the runner's.
inline void startOnScreen(GameApp& app) {
  static std::vector<std::unique_ptr<QTemporaryDir>> folders;
  folders.push_back(std::make_unique<QTemporaryDir>());
  app.game().saveDirectory = folders.back()->path().toStdString();
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
