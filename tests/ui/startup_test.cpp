#include <QLabel>

#include "core/game.h"
#include "ui/main/province_panel.h"
#include "ui_fixture.h"

namespace velmora::ui::test {
namespace {

QColor background(QWidget* w) { return w->palette().color(QPalette::Window); }

TEST_F(UiTest, SettingsDialogComesFirstWithItsDefaults) {
  app->start();
  SettingsDialog* dialog = app->settingsDialog();
  ASSERT_NE(dialog, nullptr);
  QLineEdit* house = named<QLineEdit>(dialog, "Text1");
  QCheckBox* enterAdvance = named<QCheckBox>(dialog, "Check1");
  QPushButton* ok = named(dialog, "Command1");
  ASSERT_TRUE(house && enterAdvance && ok);
  EXPECT_EQ(form(), nullptr);
  EXPECT_EQ(dialog->windowTitle(), u8("設定画面"));
  EXPECT_TRUE(named<QRadioButton>(dialog, indexed("Option1", 2))->isChecked());
  EXPECT_FALSE(enterAdvance->isChecked());
  EXPECT_EQ(house->text(), u8("織田"));
  EXPECT_TRUE(ok->isDefault());
  EXPECT_EQ(ok->text(), u8("ＯＫですか"));
  EXPECT_TRUE(game().state.autoAdvance);  // the dialog's loading allows the automatic turn
  EXPECT_FALSE(game().state.firstStart);
}

TEST_F(UiTest, EnterInTheHouseBoxConfirmsAndOpensTheMainWindow) {
  app->start();
  SettingsDialog* dialog = app->settingsDialog();
  named<QRadioButton>(dialog, indexed("Option1", 0))->setChecked(true);
  QTest::keyClick(named<QLineEdit>(dialog, "Text1"), Qt::Key_Return);
  ASSERT_NE(form(), nullptr);
  EXPECT_TRUE(form()->isVisible());
  EXPECT_EQ(form()->objectName(), u8("Form1"));
  EXPECT_EQ(form()->windowTitle(), u8("1年目の春"));
  EXPECT_EQ(control<QLabel>("lblMsg")->text(), u8("1年目、春です"));
  EXPECT_TRUE(control<QLabel>("lblOk")->isVisible());
  EXPECT_EQ(game().state.playerHouse, "織田");
  EXPECT_DOUBLE_EQ(game().state.messageWait, 0.1);

  // Every panel is filled; the player's province alone is highlighted.
  for (int p = 1; p <= 10; ++p) {
    const Province& pr = game().state.provinces[p];
    ProvincePanel* panel = form()->provincePanel(p);
    EXPECT_EQ(panel->lblNum->text(), QString::number(p));
    EXPECT_EQ(panel->lblKuni->text(), qs(pr.name));
    EXPECT_EQ(panel->lblRyoshu->text(), qs(pr.lord));
    EXPECT_EQ(panel->lblKokuryoku->text(), QString::number(pr.power));
    EXPECT_EQ(panel->lblBusou->text(), QString::number(pr.arms));
    const QColor expected =
        p == 1 ? QColor(255, 192, 128) : qApp->palette().color(QPalette::Button);
    EXPECT_EQ(background(panel->lblNum), expected) << p;
    EXPECT_EQ(background(panel->lblKuni), expected) << p;
  }
  EXPECT_EQ(form()->provincePanel(10)->lblKuni->text(), u8("京"));
  EXPECT_FALSE(control<QLabel>("lblMsgKome")->text().isEmpty());
  EXPECT_FALSE(control<QLabel>("lblMsgBuki")->text().isEmpty());
  EXPECT_FALSE(control<QLabel>("lblMsgHei")->text().isEmpty());

  // The game waits for the first press: both timers off, the message panel shown.
  EXPECT_FALSE(control<QTimer>("tmrOkclick")->isActive());
  EXPECT_FALSE(control<QTimer>("tmrOk")->isActive());
  EXPECT_EQ(shownPanel(), u8("pic1"));
  EXPECT_FALSE(control<QMenu>("mnuIninKaijyo")->menuAction()->isEnabled());
  EXPECT_TRUE(control<QAction>("mnuOpen")->isEnabled());
  EXPECT_TRUE(control<QAction>("mnuClose")->isEnabled());
  for (const char* item : {"mnuHelpKuni", "mnuHelpNation", "mnuButton", "mnuHelpSuuti"}) {
    EXPECT_FALSE(control<QAction>(item)->isEnabled()) << item;
  }
  for (const char* panel : {"PicPic", "Picture2", "Picture3", "picCur"}) {
    EXPECT_TRUE(control<QWidget>(panel)->isVisible()) << panel;
  }
}

TEST_F(UiTest, EmptyHouseNameWatchesOnly) {
  startGame(QString());
  EXPECT_TRUE(boxes.empty()) << boxes.front().text;  // a way to watch, not asked about
  EXPECT_EQ(game().state.playerHouse, "*");
  for (int p = 1; p <= 10; ++p) {
    EXPECT_NE(background(form()->provincePanel(p)->lblNum), QColor(255, 192, 128)) << p;
  }
}

TEST_F(UiTest, ClosingTheDialogAtStartUpOpensNoGame) {
  app->start();
  QTest::keyClick(app->settingsDialog(), Qt::Key_Escape);  // no Cancel: Escape does nothing
  ASSERT_NE(app->settingsDialog(), nullptr);
  EXPECT_TRUE(app->settingsDialog()->isVisible());
  app->settingsDialog()->close();
  EXPECT_FALSE(app->settingsDialog()->isVisible());
  EXPECT_EQ(form(), nullptr);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(UiTest, ResetAsksFirstAndCancelKeepsTheChoice) {
  app->start();
  SettingsDialog* dialog = app->settingsDialog();
  QLineEdit* house = named<QLineEdit>(dialog, "Text1");
  QCheckBox* enterAdvance = named<QCheckBox>(dialog, "Check1");
  QPushButton* reset = named(dialog, "Command2");
  ASSERT_TRUE(house && enterAdvance && reset);
  house->setText(u8("武田"));
  named<QRadioButton>(dialog, indexed("Option1", 3))->setChecked(true);
  enterAdvance->setChecked(true);
  EXPECT_TRUE(game().state.enterAdvance);  // the box's change is taken at once

  answers = {BoxResult::Cancel};
  reset->click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "初期設定に戻します。\nよろしいですか?");
  EXPECT_EQ(boxes[0].buttons, BoxButtons::OkCancel);
  EXPECT_EQ(house->text(), u8("武田"));
  EXPECT_TRUE(named<QRadioButton>(dialog, indexed("Option1", 3))->isChecked());

  reset->click();  // answered OK
  EXPECT_EQ(house->text(), u8("織田"));
  EXPECT_TRUE(named<QRadioButton>(dialog, indexed("Option1", 2))->isChecked());
  EXPECT_FALSE(enterAdvance->isChecked());
  EXPECT_FALSE(game().state.enterAdvance);

  named(dialog, "cmdSetGameHelp")->click();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[2].text, "ボタン、チェックボックスを選ぶときテンキーでも選べます");
  EXPECT_EQ(boxes[2].caption, "Velmora");
}

TEST_F(UiTest, SettingsFromTheMenuChangeTheRunningGame) {
  startGame();
  game().state.year = 3;
  control<QAction>("mnuSettei")->trigger();
  SettingsDialog* dialog = app->settingsDialog();
  ASSERT_NE(dialog, nullptr);
  QLineEdit* house = named<QLineEdit>(dialog, "Text1");
  QCheckBox* enterAdvance = named<QCheckBox>(dialog, "Check1");
  ASSERT_TRUE(house && enterAdvance);
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(house->text(), u8("織田"));
  EXPECT_TRUE(named<QRadioButton>(dialog, indexed("Option1", 0))->isChecked());
  house->setText(u8("武田"));
  enterAdvance->setChecked(true);
  MainWindow* before = form();
  named(dialog, "Command1")->click();
  EXPECT_EQ(form(), before);  // no new window, no new game
  EXPECT_EQ(game().state.year, 3);
  EXPECT_EQ(game().state.playerHouse, "武田");
  EXPECT_FALSE(game().state.autoAdvance);
}

}  // namespace
}  // namespace velmora::ui::test
