#include "ui_fixture.h"

#include "core/game.h"

namespace velmora::ui::test {

void UiTest::useOwnSaveFolder() { game().saveDirectory = saves.path().toStdString(); }

void UiTest::startGame(const QString& house) {
  app->start();
  SettingsDialog* dialog = app->settingsDialog();
  ASSERT_NE(dialog, nullptr);
  named<QLineEdit>(dialog, "Text1")->setText(house);
  named<QRadioButton>(dialog, indexed("Option1", 0))->setChecked(true);
  named(dialog, "Command1")->click();
  ASSERT_NE(app->mainWindow(), nullptr);
  game().state.messageWait = 0;
  // A hold of 0 is no speed a save can hold: the autosave tests choose a speed of their own.
  game().autosave = false;
}

void UiTest::nextPositionPlays(int p) {
  game().state.orderPosition = 2;
  game().state.playOrder[2] = p;
}

}  // namespace velmora::ui::test
