// The game played from the keyboard: keys arrive at the window objects first, as the platform
// delivers them, and battles are fought in the real battle window.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <fstream>
#include <memory>
#include <string>

#include "ai/computer_turn.h"
#include "core/game.h"
#include "core/quiet_port.h"
#include "ui/main/main_keys.h"
#include "ui/main/province_panel.h"
#include "ui/windows/battle_window.h"
#include "ui_fixture.h"

namespace velmora::ui::test {
namespace {

// Fights every battle window that opens: sends the tactic keys in turn while the tactic
// buttons are available, then presses OK round by round.
class BattleDriver {
 public:
  explicit BattleDriver(std::vector<Qt::Key> tacticKeys) : keys_(std::move(tacticKeys)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { step(); });
    timer_.start();
  }

  int windowsSeen() const { return windowsSeen_; }
  int okPresses() const { return okPresses_; }
  int keysSent() const { return keysSent_; }

 private:
  void step() {
    auto* window = qobject_cast<BattleWindow*>(QApplication::activeModalWidget());
    if (!window) return;
    if (window != current_) {
      current_ = window;
      ++windowsSeen_;
      next_ = 0;
    }
    auto* firstTactic = window->findChild<QPushButton*>(QStringLiteral("com(0)"));
    auto* ok = window->findChild<QPushButton*>(QStringLiteral("cmdComOk"));
    if (firstTactic->isEnabled() && next_ < keys_.size()) {
      ++keysSent_;
      QTest::keyClick(window->windowHandle(), keys_[next_++], Qt::KeypadModifier);
    } else if (ok->isEnabled()) {
      ++okPresses_;
      ok->click();
    }
  }

  QTimer timer_;
  std::vector<Qt::Key> keys_;
  std::size_t next_ = 0;
  BattleWindow* current_ = nullptr;
  int windowsSeen_ = 0;
  int okPresses_ = 0;
  int keysSent_ = 0;
};

class KeyboardTest : public UiTest {
 protected:
  void startKeyboardGame() {
    startGame();
    // The shortest hold the game offers rather than none: the save file takes no other.
    game().state.messageWait = 0.1;
    ASSERT_TRUE(QTest::qWaitForWindowActive(form()));
    ASSERT_TRUE(saveDir.isValid());
    game().saveDirectory = saveDir.path().toStdString();
  }

  void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(form()->windowHandle(), k, m);
  }
  void keypad(int digit) { key(Qt::Key(Qt::Key_0 + digit), Qt::KeypadModifier); }
  // Enter on the message panel, once the lock of the previous Enter has been released.
  void enter() {
    ASSERT_TRUE(QTest::qWaitFor([this] { return game().okLock == 0; }, 2000));
    key(Qt::Key_Return);
  }

  // Presses Enter until the player's province 尾張 is to be commanded.
  void enterUntilPlayersTurn() {
    for (int i = 0; i < 11 && game().currentPanel == Panel::Message; ++i) enter();
    ASSERT_EQ(shownPanel(), u8("pic2"));
  }

  std::vector<std::string> boxTexts() const {
    std::vector<std::string> texts;
    for (const auto& b : boxes) texts.push_back(b.text);
    return texts;
  }

  QTemporaryDir saveDir;
};

// Enter, keypad 2, keypad 1, an amount on the keypad, Enter; then Enter to the end of the turn.
TEST_F(KeyboardTest, WholeTurnPlayedWithTheKeyboardOnly) {
  startKeyboardGame();
  BattleDriver battles({Qt::Key_5});  // a computer attack is met with 防御
  game().state.autoAdvance = false;   // one province per Enter
  Province& owari = game().state.provinces[1];
  owari.gold = 40;
  const int power = owari.power;

  enterUntilPlayersTurn();
  EXPECT_EQ(control<QLabel>("lblPic2")->text(), u8("尾張"));
  keypad(2);
  EXPECT_EQ(shownPanel(), u8("pic4"));
  keypad(1);
  EXPECT_EQ(shownPanel(), u8("pic5"));
  EXPECT_EQ(control<QLineEdit>("txtPic5")->text(), u8("40")) << "the choosing key is not typed";
  keypad(2);  // the keypad digits type the amount over the selected gold
  keypad(5);
  EXPECT_EQ(control<QLineEdit>("txtPic5")->text(), u8("25"));
  key(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(shownPanel(), u8("pic1"));
  EXPECT_EQ(owari.gold, 15);
  EXPECT_GT(owari.power, power);

  for (int i = 0; i < 12 && form()->windowTitle() == u8("1年目の春"); ++i) enter();
  EXPECT_EQ(form()->windowTitle(), u8("1年目の夏"));
  EXPECT_EQ(game().state.orderPosition, 1);
  EXPECT_FALSE(terminated);
}

// 尾張 attacks 美濃: keypad 1 for 通常 in the battle window, then OK until it is settled.
TEST_F(KeyboardTest, PlayersAttackFoughtToItsEndInTheBattleWindow) {
  startKeyboardGame();
  Province& owari = game().state.provinces[1];
  owari.troops = 60;
  owari.food = 100;
  owari.gold = 100;
  nextPositionPlays(1);
  enter();
  keypad(1);
  keypad(2);  // 2.戦闘
  ASSERT_EQ(shownPanel(), u8("pic6"));
  ASSERT_EQ(control<QListWidget>("lstPic6")->count(), 3);
  key(Qt::Key_Right);  // 美濃
  EXPECT_EQ(control<QListWidget>("lstPic6")->currentItem()->text(), u8("美濃"));
  for (const char* amount : {"30", "40", "50"}) {
    key(Qt::Key_Down);
    QTest::keyClicks(QApplication::focusWidget(), QLatin1String(amount));
  }
  EXPECT_EQ(control<QLineEdit>(indexed("txtPic6", 0))->text(), u8("30"));
  EXPECT_EQ(control<QLineEdit>(indexed("txtPic6", 2))->text(), u8("50"));

  BattleDriver battles({Qt::Key_1});
  key(Qt::Key_Enter, Qt::KeypadModifier);  // OK: "美濃へ攻める" is answered OK, the battle runs

  EXPECT_EQ(battles.windowsSeen(), 1);
  EXPECT_EQ(battles.keysSent(), 1);
  EXPECT_GE(battles.okPresses(), 1);
  EXPECT_LE(battles.okPresses(), 4);
  EXPECT_TRUE(game().battle.battleOver);
  EXPECT_EQ(game().battle.attackerTactic, 1);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  const auto texts = boxTexts();
  EXPECT_TRUE(std::find(texts.begin(), texts.end(), "美濃へ攻める") != texts.end());
  ASSERT_FALSE(texts.empty());
  EXPECT_TRUE(texts.back() == "尾張の勝ちです" || texts.back() == "尾張の負けです") << texts.back();
  EXPECT_EQ(shownPanel(), u8("pic1"));
}

// A computer attack on the player's province, defended in the battle window; the first
// choice, 突撃, cannot be paid and is refused, 通常 then holds.
TEST_F(KeyboardTest, ComputerAttackDefendedAfterARefusedTactic) {
  startKeyboardGame();
  GameState& s = game().state;
  for (int p = 1; p <= kProvinceCount; ++p) {
    if (p != 5) s.provinces[p].lord = "織田";  // every neighbour of 美濃 is the player's
  }
  Province& mino = s.provinces[5];
  mino.troops = 60;
  mino.food = 200;
  mino.gold = 200;
  for (int p : {1, 4, 7, 8}) {
    s.provinces[p].troops = 100;
    s.provinces[p].gold = 60;  // 突撃 would cost 70
    s.provinces[p].food = 100;
  }

  BattleDriver battles({Qt::Key_2, Qt::Key_1});
  app->gate().runPlayer([this] { attackNeighbour(game(), 5); });

  EXPECT_EQ(battles.windowsSeen(), 1);
  EXPECT_EQ(battles.keysSent(), 2);
  EXPECT_TRUE(game().battle.battleOver);
  EXPECT_EQ(game().battle.attacker, 5);
  EXPECT_EQ(game().battle.defenderTactic, 1);
  const auto texts = boxTexts();
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts.front(), "金が足りません");
  EXPECT_TRUE(texts.back() == "美濃の勝ちです" || texts.back() == "美濃の負けです") << texts.back();
  EXPECT_FALSE(s.autoAdvanceReady);
}

// 美濃 takes 尾張, the player's only province: once the battle window has gone, one box says
// that the house has fallen.
TEST_F(KeyboardTest, TheFallOfThePlayersHouseIsToldAfterTheBattleWindow) {
  startKeyboardGame();
  // Whether a battle window was on the screen at each box.
  auto battleWindowShown = std::make_shared<std::vector<bool>>();
  app->port().setBoxHandler([this, battleWindowShown](QWidget*, const MessageBoxRequest& box) {
    boxes.push_back(box);
    bool shown = false;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      shown = shown || (qobject_cast<BattleWindow*>(w) && w->isVisible());
    }
    battleWindowShown->push_back(shown);
    return BoxResult::Ok;
  });
  GameState& s = game().state;
  for (int p : {4, 7, 8}) s.provinces[p].lord = "斉藤";  // 尾張 is 美濃's only enemy
  Province& mino = s.provinces[5];
  mino.troops = 900;
  mino.food = 999;
  mino.gold = 999;
  s.provinces[1].troops = 1;

  BattleDriver battles({Qt::Key_5});
  app->gate().runPlayer([this] { attackNeighbour(game(), 5); });

  EXPECT_EQ(battles.windowsSeen(), 1);
  EXPECT_EQ(s.provinces[1].lord, "斉藤");
  const std::string fell = "織田家は滅亡しました。以後は観戦となります";
  const auto texts = boxTexts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), fell), 1);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back(), fell);
  EXPECT_FALSE(battleWindowShown->back());
}

// The keyboard's place when the order panel opens, and again when 5.戻る brings it back, is
// its first button: neither a help panel's 閉じる nor a control of a panel now hidden.
TEST_F(KeyboardTest, TheOrderPanelOpensWithTheFocusOnItsFirstButton) {
  startKeyboardGame();
  nextPositionPlays(1);
  enter();
  ASSERT_EQ(shownPanel(), u8("pic2"));
  EXPECT_EQ(QApplication::focusWidget(), control("cmdGunji"));
  keypad(1);
  control("cmdIdo")->setFocus();
  keypad(5);
  ASSERT_EQ(shownPanel(), u8("pic2"));
  EXPECT_EQ(QApplication::focusWidget(), control("cmdGunji"));
}

TEST_F(KeyboardTest, TargetAndAmountCursors) {
  startKeyboardGame();
  game().state.provinces[1].troops = 20;
  nextPositionPlays(1);
  enter();
  keypad(1);
  keypad(2);
  QListWidget* targets = control<QListWidget>("lstPic6");
  ASSERT_NE(targets, nullptr);
  ASSERT_EQ(targets->count(), 3);
  EXPECT_EQ(targets->currentRow(), 0);
  std::vector<int> rows;
  for (int i = 0; i < 3; ++i) {
    key(Qt::Key_Right);
    rows.push_back(targets->currentRow());
  }
  EXPECT_EQ(rows, (std::vector<int>{1, 2, 0}));

  // The first Down of this order was not the first cursor key: the amount cursor goes on from
  // where an earlier order left it (0 in a new game).
  std::vector<QWidget*> focused;
  for (int i = 0; i < 4; ++i) {
    key(Qt::Key_Down);
    focused.push_back(QApplication::focusWidget());
  }
  std::vector<QLineEdit*> boxes;
  for (int i = 0; i < 3; ++i) boxes.push_back(control<QLineEdit>(indexed("txtPic6", i)));
  EXPECT_EQ(focused, (std::vector<QWidget*>{boxes[0], boxes[1], boxes[2], boxes[0]}));
  EXPECT_EQ(boxes[0]->selectedText(), boxes[0]->text());

  // The keypad's decimal point cancels even from an amount box.
  key(Qt::Key_Period, Qt::KeypadModifier);
  EXPECT_EQ(shownPanel(), u8("pic2"));
}

TEST(CursorSteps, FreshOrderStartsEachCursorFromTheBeginning) {
  QuietPort port;
  SeededRandom rng(1);
  Game g(port, rng);
  TargetCursors cursors;

  g.state.orderJustStarted = true;
  std::vector<int> up;
  for (int i = 0; i < 4; ++i) up.push_back(amountCursorStep(g, cursors, -1));
  EXPECT_EQ(up, (std::vector<int>{0, 2, 1, 0}));

  g.state.orderJustStarted = true;
  EXPECT_EQ(amountCursorStep(g, cursors, +1), 0);  // Down, then Up
  EXPECT_EQ(amountCursorStep(g, cursors, -1), 1);

  g.state.orderJustStarted = true;
  EXPECT_EQ(targetCursorStep(g, cursors, -1, 3), 2);  // the first Left selects the last item
  EXPECT_EQ(targetCursorStep(g, cursors, +1, 3), 0);
  g.state.orderJustStarted = true;
  EXPECT_EQ(targetCursorStep(g, cursors, +1, 1), 0);  // a single item stays selected

  // The flag is shared: the amount cursor used first leaves the target cursor where it was,
  // held to the new list's bounds.
  cursors.target = 4;
  cursors.amount = 2;
  g.state.orderJustStarted = true;
  EXPECT_EQ(amountCursorStep(g, cursors, +1), 0);
  EXPECT_EQ(targetCursorStep(g, cursors, +1, 3), 0);
  cursors.target = 4;
  EXPECT_EQ(targetCursorStep(g, cursors, -1, 3), 0);  // 3 is past the last item
}

TEST_F(KeyboardTest, KeysThatReachTheControlsAndKeysThatDoNot) {
  startKeyboardGame();
  nextPositionPlays(1);
  enter();
  ASSERT_EQ(shownPanel(), u8("pic2"));

  // Keypad 4 scrolls the map to the province being commanded and keeps the panel.
  form()->scrollToProvince(10);
  const int farLeft = form()->mapLeftTwips();
  const int farTop = form()->mapTopTwips();
  form()->scrollToProvince(1);
  const int homeLeft = form()->mapLeftTwips();
  const int homeTop = form()->mapTopTwips();
  ASSERT_TRUE(farLeft != homeLeft || farTop != homeTop);
  form()->scrollToProvince(10);
  keypad(4);
  EXPECT_EQ(form()->mapLeftTwips(), homeLeft);
  EXPECT_EQ(form()->mapTopTwips(), homeTop);
  EXPECT_EQ(shownPanel(), u8("pic2"));

  // Keypad 7, 8 and 9 do nothing, whether Num Lock is on or off.
  for (int digit : {7, 8, 9}) keypad(digit);
  key(Qt::Key_Up, Qt::KeypadModifier);
  EXPECT_EQ(shownPanel(), u8("pic2"));

  // On the military panel no key reaches a control: Space on a focused button is lost.
  keypad(1);
  ASSERT_EQ(shownPanel(), u8("pic3"));
  QPushButton* move = control("cmdIdo");
  move->setFocus();
  key(Qt::Key_Space);
  key(Qt::Key_A);
  for (int digit : {7, 8, 9}) keypad(digit);
  EXPECT_EQ(shownPanel(), u8("pic3"));

  // Num Lock off: keypad 3 arrives as Page Down and still chooses 3.兵増強.
  key(Qt::Key_PageDown, Qt::KeypadModifier);
  ASSERT_EQ(shownPanel(), u8("pic5"));
  EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>("txtPic5"));
  // A digit of the main keyboard goes into the amount box.
  key(Qt::Key_7);
  EXPECT_EQ(control<QLineEdit>("txtPic5")->text(), u8("7"));
  key(Qt::Key_Delete, Qt::KeypadModifier);  // keypad decimal point, Num Lock off: Cancel
  EXPECT_EQ(shownPanel(), u8("pic2"));
}

// The grey Home key brings the map back to 0, 0 on the message panel (arming the Enter lock
// like any key there) and on the first command panel; keypad 7 does nothing, and on the
// amount panel Home stays the text box's.
TEST_F(KeyboardTest, HomeBringsTheMessagePanelBackIntoView) {
  startKeyboardGame();
  QScrollBar* h = control<QScrollBar>("HScroll1");
  QScrollBar* v = control<QScrollBar>("VScroll1");
  QTimer* lockTimer = control<QTimer>("tmrOk");
  ASSERT_TRUE(h && v && lockTimer);
  lockTimer->setInterval(60000);  // the lock stays armed until the test looks
  auto scrollAway = [this] {
    form()->scrollToProvince(3);
    return form()->mapLeftTwips() != 0 && form()->mapTopTwips() != 0;
  };
  auto atOrigin = [&] {
    return form()->mapLeftTwips() == 0 && form()->mapTopTwips() == 0 && h->value() == 0 &&
           v->value() == 0;
  };

  ASSERT_TRUE(scrollAway());
  key(Qt::Key_Home);
  EXPECT_TRUE(atOrigin());
  EXPECT_TRUE(lockTimer->isActive());
  EXPECT_EQ(game().state.orderPosition, 1);  // no press
  lockTimer->start(10);

  nextPositionPlays(1);
  enter();
  ASSERT_EQ(shownPanel(), u8("pic2"));
  ASSERT_TRUE(scrollAway());
  keypad(7);
  key(Qt::Key_Home, Qt::KeypadModifier);  // keypad 7 with Num Lock off
  EXPECT_FALSE(atOrigin());
  key(Qt::Key_Home);
  EXPECT_TRUE(atOrigin());
  EXPECT_EQ(shownPanel(), u8("pic2"));

  keypad(2);
  keypad(1);
  ASSERT_EQ(shownPanel(), u8("pic5"));
  ASSERT_TRUE(scrollAway());
  QLineEdit* amount = control<QLineEdit>("txtPic5");
  amount->setText(QStringLiteral("30"));
  key(Qt::Key_Home);
  EXPECT_EQ(amount->cursorPosition(), 0);
  EXPECT_FALSE(atOrigin());
}

// With two provinces one can be handed over; the last one cannot.
TEST_F(KeyboardTest, DelegationOfTheLastProvinceIsRefused) {
  startKeyboardGame();
  game().state.provinces[2].lord = "織田";
  nextPositionPlays(1);
  enter();
  ASSERT_TRUE(control<QMenu>("mnuIninKaijyo")->menuAction()->isEnabled());
  control<QAction>("mnuInin")->trigger();
  QListWidget* provinces = control<QListWidget>("lstPic7");
  ASSERT_NE(provinces, nullptr);
  ASSERT_EQ(shownPanel(), u8("pic7"));
  EXPECT_EQ(control<QLabel>("lblPic7")->text(), u8("委任"));
  ASSERT_EQ(provinces->count(), 2);

  key(Qt::Key_Return);
  EXPECT_EQ(boxTexts().back(), "尾張を委任しました");
  EXPECT_TRUE(game().state.delegated[1]);
  ASSERT_EQ(provinces->count(), 1);
  provinces->setCurrentRow(0);
  key(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(boxTexts().back(), "一都市だけなので委任できません");
  EXPECT_FALSE(game().state.delegated[2]);
  EXPECT_EQ(provinces->count(), 1);

  key(Qt::Key_Period, Qt::KeypadModifier);
  EXPECT_EQ(shownPanel(), u8("pic2"));
  // Finishing the order disables the menu again.
  keypad(3);  // 3.何もしない, confirmed
  EXPECT_EQ(shownPanel(), u8("pic1"));
  EXPECT_FALSE(control<QMenu>("mnuIninKaijyo")->menuAction()->isEnabled());
}

// Handing over a province leaves no line selected: Enter pressed again changes nothing until
// the player chooses the next line, in both modes of the panel.
TEST_F(KeyboardTest, AfterEachChangeTheNextProvinceMustBeChosen) {
  startKeyboardGame();
  game().state.provinces[2].lord = "織田";
  game().state.provinces[5].lord = "織田";
  nextPositionPlays(1);
  enter();
  control<QAction>("mnuInin")->trigger();
  QListWidget* provinces = control<QListWidget>("lstPic7");
  ASSERT_NE(provinces, nullptr);
  ASSERT_EQ(provinces->count(), 3);

  key(Qt::Key_Return);
  EXPECT_TRUE(game().state.delegated[1]);
  ASSERT_EQ(provinces->count(), 2);
  EXPECT_TRUE(provinces->selectedItems().isEmpty());
  const std::size_t shown = boxes.size();
  key(Qt::Key_Return);
  EXPECT_EQ(boxes.size(), shown);
  EXPECT_FALSE(game().state.delegated[2]);
  EXPECT_FALSE(game().state.delegated[5]);
  EXPECT_EQ(provinces->count(), 2);

  provinces->setCurrentRow(1);
  key(Qt::Key_Return);
  EXPECT_EQ(boxTexts().back(), "美濃を委任しました");
  EXPECT_TRUE(game().state.delegated[5]);
  EXPECT_FALSE(game().state.delegated[2]);

  control<QAction>("mnuKaijyo")->trigger();
  ASSERT_EQ(provinces->count(), 2);
  key(Qt::Key_Return);
  EXPECT_EQ(boxTexts().back(), "尾張を委任解除しました");
  EXPECT_TRUE(provinces->selectedItems().isEmpty());
  key(Qt::Key_Return);
  EXPECT_TRUE(game().state.delegated[5]);
  EXPECT_EQ(provinces->count(), 1);
}

TEST_F(KeyboardTest, SaveFromTheMenuThenLoadRestoresThePanels) {
  startKeyboardGame();
  Province& owari = game().state.provinces[1];
  owari.gold = 123;
  app->game().ui.board.redrawProvince(owari, true);
  control<QAction>("mnuSave")->trigger();
  EXPECT_EQ(boxTexts().back(), "セーブしました");
  const std::string path = saveDir.filePath(QStringLiteral("Game.dt")).toStdString();
  std::ifstream file(path, std::ios::binary);
  ASSERT_TRUE(file.good()) << path;
  std::string line;
  int lines = 0;
  while (std::getline(file, line)) ++lines;
  EXPECT_EQ(lines, 287);

  const std::string foodPrice = control<QLabel>("lblMsgKome")->text().toStdString();
  owari.gold = 5;
  game().state.foodPrice = 9;
  app->game().ui.board.redrawProvince(owari, true);
  control<QLabel>("lblMsgKome")->setText(QStringLiteral("9"));
  control<QLabel>("lblMsg")->setText(QStringLiteral("x"));

  control<QAction>("mnuLoad")->trigger();
  EXPECT_EQ(boxTexts().back(), "ロードしました");
  EXPECT_EQ(owari.gold, 123);
  EXPECT_EQ(form()->provincePanel(1)->lblKin->text(), u8("123"));
  EXPECT_EQ(control<QLabel>("lblMsgKome")->text().toStdString(), foodPrice);
  EXPECT_EQ(control<QLabel>("lblMsg")->text(), u8("1年目の春です"));
  EXPECT_EQ(form()->windowTitle(), u8("1年目の春"));
  EXPECT_EQ(shownPanel(), u8("pic1"));
}

// F1 in the settings dialog asks to quit and offers to save first.
TEST_F(KeyboardTest, SettingsF1SavesAndQuits) {
  startKeyboardGame();
  // The dialog of the start-up is gone once the event loop has run.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  control<QAction>("mnuSettei")->trigger();
  SettingsDialog* dialog = app->settingsDialog();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
  answers = {BoxResult::Ok, BoxResult::Ok, BoxResult::Ok};
  QTest::keyClick(dialog->windowHandle(), Qt::Key_F1);
  EXPECT_EQ(boxTexts(), (std::vector<std::string>{"セーブして終了しますか?", "セーブしました",
                                                  "終了します。よろしいですか?"}));
  EXPECT_TRUE(terminated);
  EXPECT_TRUE(QFile::exists(saveDir.filePath(QStringLiteral("Game.dt"))));
}

// The dialog's key filter outlives the dialog's own destructor while its controls are deleted,
// and sees the events their deletion sends; it must not take the half-destroyed widget for a
// settings dialog (the sanitizer build reports the bad downcast). A dialog opened afterwards
// gets its keys as before.
TEST_F(KeyboardTest, SettingsDialogDeletedWithItsKeyFilterInstalled) {
  startKeyboardGame();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (int round = 0; round < 2; ++round) {
    control<QAction>("mnuSettei")->trigger();
    QPointer<SettingsDialog> dialog = app->settingsDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    named<QRadioButton>(dialog, indexed("Option1", 0))->setFocus();
    QTest::keyClick(dialog->windowHandle(), Qt::Key_3, Qt::KeypadModifier);
    EXPECT_TRUE(named<QRadioButton>(dialog, indexed("Option1", 2))->isChecked()) << round;
    if (round == 0) {
      delete dialog.data();  // as the main window deletes its children at the end
    } else {
      dialog->reject();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(dialog.isNull()) << round;
    EXPECT_EQ(app->settingsDialog(), nullptr) << round;
  }
  // Keys to the main window are the main window's alone again.
  keypad(3);
  EXPECT_FALSE(terminated);
  EXPECT_NE(form(), nullptr);
}

TEST_F(KeyboardTest, SettingsKeysBeforeTheFirstGame) {
  app->start();
  SettingsDialog* dialog = app->settingsDialog();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
  std::vector<QRadioButton*> speeds;
  for (int i = 0; i < 4; ++i) {
    speeds.push_back(named<QRadioButton>(dialog, indexed("Option1", i)));
    ASSERT_NE(speeds.back(), nullptr);
  }
  QCheckBox* enterAdvance = named<QCheckBox>(dialog, "Check1");
  QLineEdit* house = named<QLineEdit>(dialog, "Text1");
  ASSERT_NE(enterAdvance, nullptr);
  ASSERT_NE(house, nullptr);
  QWindow* window = dialog->windowHandle();
  auto pressKeypad = [window](int digit) {
    QTest::keyClick(window, Qt::Key(Qt::Key_0 + digit), Qt::KeypadModifier);
  };

  for (int digit = 1; digit <= 4; ++digit) {
    pressKeypad(digit);
    EXPECT_TRUE(speeds[digit - 1]->isChecked()) << digit;
  }
  const bool checked = enterAdvance->isChecked();
  pressKeypad(5);
  EXPECT_NE(enterAdvance->isChecked(), checked);
  EXPECT_EQ(game().state.enterAdvance, !checked);
  pressKeypad(5);
  EXPECT_EQ(enterAdvance->isChecked(), checked);

  // Num Lock off: keypad 2 arrives as Down; it checks option 1 and moves nothing further.
  speeds[0]->setChecked(true);
  speeds[0]->setFocus();
  QTest::keyClick(window, Qt::Key_Down, Qt::KeypadModifier);
  EXPECT_TRUE(speeds[1]->isChecked());

  // Keypad 6 selects the house box without typing into it; keypad 1 there also types 1.
  named(dialog, "Command1")->setFocus();
  pressKeypad(6);
  EXPECT_EQ(QApplication::focusWidget(), house);
  EXPECT_TRUE(QTest::qWaitFor([house] { return house->hasSelectedText(); }, 1000));
  EXPECT_EQ(house->selectedText(), u8("織田"));
  pressKeypad(1);
  EXPECT_TRUE(speeds[0]->isChecked());
  EXPECT_EQ(house->text(), u8("1"));

  // F1 before any game: nothing to save, only the last question.
  answers = {BoxResult::Cancel};
  QTest::keyClick(window, Qt::Key_F1);
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"終了します。よろしいですか?"});
  EXPECT_FALSE(terminated);
  QTest::keyClick(window, Qt::Key_F1);
  EXPECT_TRUE(terminated);
}

}  // namespace
}  // namespace velmora::ui::test
