#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QWindow>
#include <cstdlib>
#include <deque>
#include <vector>

#include "combat/battle.h"
#include "core/game.h"
#include "core/quiet_port.h"
#include "core/random.h"
#include "core/scenario.h"
#include "ui/windows/battle_window.h"
#include "ui/windows/nation_window.h"

namespace {

using velmora::ui::BattleWindow;
using velmora::ui::NationWindow;

// Routes the battle figures and the settlement to the window and answers boxes
// as scripted.
class BattlePort : public velmora::QuietPort {
 public:
  velmora::BoxResult messageBox(const velmora::MessageBoxRequest& request) override {
    boxes.push_back(request);
    if (answers.empty()) return velmora::BoxResult::Ok;
    const velmora::BoxResult answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void refreshBattle() override {
    if (window) window->refresh();
  }
  void closeBattleWindow() override {
    if (window) window->closeFromGame();
  }
  void showLine2(const std::string&, double) override {
    if (window) linesHeldWithTheWindowShown.push_back(window->windowHandle()->isVisible());
  }

  std::vector<std::string> boxTexts() const {
    std::vector<std::string> texts;
    for (const auto& b : boxes) texts.push_back(b.text);
    return texts;
  }

  BattleWindow* window = nullptr;
  std::vector<velmora::MessageBoxRequest> boxes;
  std::deque<velmora::BoxResult> answers;
  std::vector<bool> linesHeldWithTheWindowShown;
};

class BattleWindowTest : public ::testing::Test {
 protected:
  BattleWindowTest() : game(port, rng) {
    game.state.playerHouse = "織田";
    velmora::newGame(game);
    game.state.messageWait = 0;
  }

  // 尾張 (the player's) attacks 美濃 with 40 troops; 美濃 defends with 防御.
  void declarePlayerAttack() {
    game.battle = {};
    game.battle.attacker = 1;
    game.battle.target = 5;
    game.battle.fieldTroops = 40;
    game.battle.attackerCommitted = 40;
    game.battle.defenderStartTroops = game.state.provinces[5].troops;
    game.battle.defenderTactic = 5;
  }

  // 美濃 attacks 尾張 (the player's) with 30 troops using 突撃.
  void declareComputerAttack() {
    game.battle = {};
    game.battle.attacker = 5;
    game.battle.target = 1;
    game.battle.fieldTroops = 30;
    game.battle.attackerCommitted = 30;
    game.battle.defenderStartTroops = game.state.provinces[1].troops;
    game.battle.attackerTactic = 2;
  }

  void open() {
    window = std::make_unique<BattleWindow>(game);
    port.window = window.get();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  template <typename T>
  T* child(const char* name) {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QString text(const char* name) { return child<QLabel>(name)->text(); }
  QPushButton* button(const char* name) { return child<QPushButton>(name); }

  // Keys arrive at the window first, as the platform delivers them.
  void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(window->windowHandle(), k, m);
  }

  bool tacticButtonsEnabled() {
    for (int k = 0; k < 5; ++k) {
      const std::string name = "com(" + std::to_string(k) + ")";
      if (!button(name.c_str())->isEnabled()) return false;
    }
    return true;
  }

  BattlePort port;
  velmora::SeededRandom rng{7};
  velmora::Game game;
  std::unique_ptr<BattleWindow> window;
};

TEST_F(BattleWindowTest, LoadingStartsTheBattleWithOkDisabled) {
  declarePlayerAttack();
  open();
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("戦闘画面"));
  EXPECT_FALSE(game.battle.battleOver);
  EXPECT_FALSE(button("cmdComOk")->isEnabled());
  EXPECT_TRUE(tacticButtonsEnabled());
  EXPECT_EQ(button("com(0)")->text(), QString::fromUtf8("1.通常攻撃"));
  EXPECT_EQ(text("lblAt(0)"), QStringLiteral("0"));
  EXPECT_EQ(text("lblDef(0)"), QStringLiteral("0"));
  // Figures of both sides.
  EXPECT_EQ(text("lblAt(3)"), QString::fromUtf8("織田"));
  EXPECT_EQ(text("lblDef(3)"), QString::fromUtf8("斉藤"));
  EXPECT_EQ(text("lblAt(4)"), QString::fromUtf8("尾張"));
  EXPECT_EQ(text("lblDef(4)"), QString::fromUtf8("美濃"));
  EXPECT_EQ(text("lblAt(1)"), QString::number(game.battle.attackerMorale));
  EXPECT_EQ(text("lblDef(1)"), QString::number(game.battle.defenderMorale));
  EXPECT_EQ(text("lblAt(2)"), QStringLiteral("40"));
  EXPECT_EQ(text("lblDef(2)"), QString::number(game.state.provinces[5].troops));
  // The grid: 突撃 kills 30 %, 射撃 gains 10 against 突撃, 包囲 costs 50 %.
  EXPECT_EQ(text("lbl2(0)"), QStringLiteral("30"));
  EXPECT_EQ(text("lbl4(2)"), QStringLiteral("10"));
  EXPECT_EQ(text("lbl3(6)"), QStringLiteral("50"));
  EXPECT_EQ(text("lbl5(6)"), QStringLiteral("0"));
  // A morale bar is a hundredth of its box per point.
  QWidget* box = child<QWidget>("picAt");
  QWidget* bar = child<QWidget>("picAtline");
  EXPECT_NEAR(bar->width(), box->width() * game.battle.attackerMorale / 100.0, 1.0);
  if (const char* shot = std::getenv("VELMORA_SHOT_DIR")) {
    window->grab().save(QString::fromUtf8(shot) + QStringLiteral("/battle_window.png"));
  }
}

// Keypad 1 chooses 通常; then OK, press by press, until the settlement closes
// the window.
TEST_F(BattleWindowTest, PlayerAttackFoughtToTheEndWithTheKeyboardAndOk) {
  declarePlayerAttack();
  open();
  key(Qt::Key_1, Qt::KeypadModifier);
  EXPECT_TRUE(port.boxes.empty());
  EXPECT_EQ(game.battle.attackerTactic, 1);
  EXPECT_EQ(text("lblAt(0)"), QString::fromUtf8("通常"));
  EXPECT_EQ(text("lblDef(0)"), QString::fromUtf8("防御"));
  EXPECT_FALSE(button("com(0)")->isEnabled());
  EXPECT_FALSE(button("com(4)")->isEnabled());
  ASSERT_TRUE(button("cmdComOk")->isEnabled());

  int presses = 0;
  while (window->isVisible() && presses < 10) {
    const int before = game.battle.round;
    QTest::mouseClick(button("cmdComOk"), Qt::LeftButton);
    ++presses;
    EXPECT_EQ(game.battle.round, before + 1) << "one round per press";
  }
  EXPECT_LE(presses, 4);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(game.battle.battleOver);
  ASSERT_FALSE(port.boxes.empty());
  const std::string result = port.boxes.back().text;
  EXPECT_TRUE(result == "尾張の勝ちです" || result == "尾張の負けです") << result;
}

// Num Lock off: keypad 4 arrives as Left with the keypad modifier and still
// chooses 射撃.
TEST_F(BattleWindowTest, ComputerAttackDefendedWithNumLockOff) {
  declareComputerAttack();
  open();
  key(Qt::Key_Left, Qt::KeypadModifier);
  EXPECT_EQ(game.battle.defenderTactic, 4);
  EXPECT_EQ(text("lblAt(0)"), QString::fromUtf8("突撃"));
  EXPECT_EQ(text("lblDef(0)"), QString::fromUtf8("射撃"));
  for (int i = 0; i < 4 && window->isVisible(); ++i)
    QTest::mouseClick(button("cmdComOk"), Qt::LeftButton);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(game.battle.battleOver);
}

// A computer's attack opens with two lines, held once the window is shown: a hold lets the
// window system in, which must not happen while Qt is still showing the window.
TEST_F(BattleWindowTest, TheOpeningLinesHoldWithTheWindowShown) {
  declareComputerAttack();
  open();
  EXPECT_EQ(port.linesHeldWithTheWindowShown, (std::vector<bool>{true, true}));
}

// A defender who cannot pay for 突撃 is refused; the window stays as it was.
TEST_F(BattleWindowTest, RefusedTacticKeepsTheButtons) {
  declareComputerAttack();
  game.state.provinces[1].troops = 100;
  game.state.provinces[1].gold = 60;
  game.state.provinces[1].food = 100;
  open();
  key(Qt::Key_2, Qt::KeypadModifier);
  EXPECT_EQ(port.boxTexts(), std::vector<std::string>{"金が足りません"});
  EXPECT_TRUE(tacticButtonsEnabled());
  EXPECT_FALSE(button("cmdComOk")->isEnabled());
  EXPECT_EQ(text("lblDef(0)"), QStringLiteral("0"));

  QTest::mouseClick(button("com(0)"),
                    Qt::LeftButton);  // 通常 costs 30: accepted
  EXPECT_EQ(port.boxes.size(), 1u);
  EXPECT_FALSE(tacticButtonsEnabled());
  EXPECT_TRUE(button("cmdComOk")->isEnabled());
  EXPECT_EQ(text("lblDef(0)"), QString::fromUtf8("通常"));
}

// Keys other than keypad 1..5 give エラー and change nothing; Enter does not
// play a round.
TEST_F(BattleWindowTest, OtherKeysGiveErrorBeforeTheChoice) {
  declarePlayerAttack();
  open();
  key(Qt::Key_Return);
  key(Qt::Key_1);  // the main keyboard's 1
  key(Qt::Key_6, Qt::KeypadModifier);
  key(Qt::Key_Space);
  EXPECT_EQ(port.boxTexts(), std::vector<std::string>(4, "エラー"));
  EXPECT_EQ(game.battle.round, 1);
  EXPECT_TRUE(tacticButtonsEnabled());
  // A modifier on its own is not a key choice.
  key(Qt::Key_Shift);
  EXPECT_EQ(port.boxes.size(), 4u);
}

// After the choice a tactic key cannot change it, and Enter presses the default
// OK.
TEST_F(BattleWindowTest, TheChoiceIsFinal) {
  declarePlayerAttack();
  open();
  key(Qt::Key_3, Qt::KeypadModifier);  // 包囲: half the troops stay back
  EXPECT_EQ(game.battle.attackerTactic, 3);
  EXPECT_EQ(text("lblAt(2)"), QStringLiteral("20"));
  key(Qt::Key_1, Qt::KeypadModifier);
  EXPECT_EQ(game.battle.attackerTactic, 3);
  EXPECT_EQ(game.battle.fieldTroops, 20);
  EXPECT_TRUE(port.boxes.empty());
  key(Qt::Key_Return);
  EXPECT_EQ(game.battle.round, 2);
}

TEST_F(BattleWindowTest, CloseBoxAndEscapeAreRefused) {
  declarePlayerAttack();
  open();
  window->close();
  EXPECT_TRUE(window->isVisible());
  key(Qt::Key_1, Qt::KeypadModifier);
  key(Qt::Key_Escape);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(game.battle.battleOver);
}

TEST_F(BattleWindowTest, EmergencyQuit) {
  declarePlayerAttack();
  open();
  auto* quit = child<QAction>("mnuCombatQuit");
  EXPECT_EQ(quit->text(), QString::fromUtf8("緊急終了(&Q)"));
  port.answers = {velmora::BoxResult::Cancel};
  quit->trigger();
  ASSERT_EQ(port.boxes.size(), 1u);
  const velmora::MessageBoxRequest& ask = port.boxes[0];
  EXPECT_EQ(ask.text, "ゲーム全体を強制終了します。セーブはされません");
  EXPECT_EQ(ask.buttons, velmora::BoxButtons::OkCancel);
  EXPECT_EQ(ask.defaultButton, velmora::BoxResult::Cancel);
  EXPECT_TRUE(ask.warning);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(port.terminated);

  quit->trigger();  // answered OK
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(port.boxes.back().text, "終了です");
  EXPECT_TRUE(port.terminated);
}

TEST_F(BattleWindowTest, NationMenuOpensTheNationWindowOverTheBattle) {
  declarePlayerAttack();
  std::vector<int> scrolled;
  open();
  window->setScrollToProvince([&scrolled](int p) { scrolled.push_back(p); });
  auto* nation = child<QAction>("mnuNation");
  EXPECT_EQ(nation->text(), QString::fromUtf8("国家情報(&K)"));
  nation->trigger();
  auto* info = window->findChild<NationWindow*>();
  ASSERT_NE(info, nullptr);
  EXPECT_TRUE(info->isVisible());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(game.battle.round, 1);
}

}  // namespace

namespace {

// The two wrapped explanations above the grid end inside their boxes, clear of the grid's
// first row.
TEST_F(BattleWindowTest, ExplanationsFitAboveTheGrid) {
  declarePlayerAttack();
  open();
  const std::pair<const char*, const char*> texts[2] = {
      {"Label12", "敵に損害を与える値と敵側の態勢に対する士気低下のボーナス値　　　↓"},
      {"Label14", "↓金、米の消費パーセント"}};
  for (const auto& [name, text] : texts) {
    QLabel* label = child<QLabel>(name);
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
    // What is shown is the text itself, its ideographic spaces included.
    QTextDocument shown;
    shown.setHtml(label->text());
    EXPECT_EQ(shown.toPlainText(), QString::fromUtf8(text)) << name;
  }
}

}  // namespace
