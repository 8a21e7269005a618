#include <sys/resource.h>

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <map>

#include "core/game.h"
#include "core/ui_port.h"
#include "ui/port/engine_gate.h"
#include "ui/windows/event_window.h"
#include "ui_fixture.h"

namespace velmora::ui::test {
namespace {

double processorSeconds() {
  rusage use{};
  getrusage(RUSAGE_SELF, &use);
  return use.ru_utime.tv_sec + use.ru_utime.tv_usec / 1e6 + use.ru_stime.tv_sec +
         use.ru_stime.tv_usec / 1e6;
}

TEST_F(UiTest, HoldShowsTheLineAndLetsNothingElseRun) {
  startGame();
  int ticks = 0;
  QTimer timer;
  timer.setInterval(1);
  QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
  timer.start();
  // Enter typed before the hold waits in the queue until the hold is over.
  game().state.playerHouse = "*";
  game().state.autoAdvance = false;
  QCoreApplication::postEvent(form()->windowHandle(),
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));

  const auto start = std::chrono::steady_clock::now();
  const double cpu = processorSeconds();
  app->game().ui.messages.showLine1("3 遠江 今川", 0.3);
  const double held =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double used = processorSeconds() - cpu;

  EXPECT_EQ(control<QLabel>("lblMsg")->text(), u8("3 遠江 今川"));
  EXPECT_GE(held, 0.3);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(game().state.orderPosition, 1);
  EXPECT_LT(used, 0.1);  // it sleeps, it does not spin

  // Afterwards the timer ticks and the queued Enter presses OK.
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0 && game().state.orderPosition == 2; }, 5000));
  EXPECT_EQ(game().state.orderPosition, 2);
}

// A line repaints itself, not the whole window: nothing but the message lines (and the panel
// they stand on) is painted for it.
TEST_F(UiTest, ALineRepaintsOnlyWhatChanged) {
  startGame();
  QCoreApplication::processEvents();
  struct PaintCounter : QObject {
    std::map<QObject*, int> paints;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++paints[watched];
      return false;
    }
  } counter;
  qApp->installEventFilter(&counter);
  app->game().ui.messages.showLine2("二行目", 0);
  qApp->removeEventFilter(&counter);
  EXPECT_EQ(counter.paints[control<QLabel>("lblMsg2")], 1);
  QStringList others;
  for (const auto& [object, count] : counter.paints) {
    const QString name = object->objectName();
    if (!name.startsWith("lblMsg") && name != "pic1") others << name;
  }
  EXPECT_TRUE(others.isEmpty()) << others.join(' ').toStdString();
}

TEST_F(UiTest, LinesTwoAndThreeComeAndGo) {
  startGame();
  app->game().ui.messages.showLine2("二行目", 0);
  app->game().ui.messages.showLine3("三行目", 0);
  EXPECT_TRUE(control<QLabel>("lblMsg2")->isVisible());
  EXPECT_TRUE(control<QLabel>("lblMsg3")->isVisible());
  EXPECT_EQ(control<QLabel>("lblMsg")->text(), u8("1年目、春です"));  // line 1 keeps its text
  app->game().ui.messages.showLine1("一行目", 0);
  EXPECT_FALSE(control<QLabel>("lblMsg2")->isVisible());
  EXPECT_FALSE(control<QLabel>("lblMsg3")->isVisible());
  // A line sizes itself to its text.
  QLabel* line3 = control<QLabel>("lblMsg3");
  EXPECT_GE(line3->width(), line3->sizeHint().width());
}

TEST_F(UiTest, NoPressStartsWhileAnotherHandlerRuns) {
  // No house is the player's: a computer's attack on the player would open the battle window
  // and wait in it for a tactic nobody chooses.
  startGame(QStringLiteral("*"));
  int positionInside = 0;
  bool tickRan = true;
  app->gate().runPlayer([&] {
    control("cmdOk")->click();  // waits for this handler to end
    positionInside = game().state.orderPosition;
    tickRan = app->gate().runTick([] {});
  });
  EXPECT_EQ(positionInside, 1);
  EXPECT_FALSE(tickRan);
  EXPECT_EQ(game().state.orderPosition, 2);  // the press came afterwards
}

TEST_F(UiTest, EnterOnTheMessagePanelPressesOkOnceUntilTheLockClears) {
  startGame();
  game().state.autoAdvance = false;
  game().state.playerHouse = "*";
  QWindow* window = form()->windowHandle();
  // The repeat must arrive before the lock timer's tick however slowly this build runs: the
  // tick is held off until the test lets it come.
  QTimer* lockTimer = control<QTimer>("tmrOk");
  ASSERT_NE(lockTimer, nullptr);
  lockTimer->setInterval(60000);
  QTest::keyClick(window, Qt::Key_Return);
  EXPECT_EQ(game().state.orderPosition, 2);
  EXPECT_EQ(game().okLock, 1);
  QTest::keyClick(window, Qt::Key_Enter, Qt::KeypadModifier);  // a queued repeat
  EXPECT_EQ(game().state.orderPosition, 2);
  ASSERT_TRUE(lockTimer->isActive());
  lockTimer->start(10);
  EXPECT_TRUE(QTest::qWaitFor([this] { return game().okLock == 0; }, 5000));
  QTest::keyClick(window, Qt::Key_Return);
  EXPECT_EQ(game().state.orderPosition, 3);
}

TEST_F(UiTest, ComputerTurnRunsByItselfToTheEndOfTheTurn) {
  startGame(QStringLiteral("*"));
  click("cmdOk");
  EXPECT_TRUE(QTest::qWaitFor([this] { return game().state.orderPosition == 11; }, 10000));
  QTest::qWait(30);
  EXPECT_FALSE(control<QTimer>("tmrOkclick")->isActive());
  EXPECT_TRUE(control<QLabel>("lblOk")->isVisible());
  click("cmdOk");  // ends the turn only
  EXPECT_EQ(form()->windowTitle(), u8("1年目の夏"));
  EXPECT_EQ(game().state.orderPosition, 1);
  EXPECT_EQ(control<QLabel>("lblMsg")->text(), u8("1年目の夏です"));
}

// In auto mode the timer may not press after the player's own order: the prompt stays, and
// the turn waits for the player.
TEST_F(UiTest, ThePromptShowsWhileTheTurnWaitsForThePlayersPress) {
  startGame();
  ASSERT_TRUE(game().state.autoAdvance);
  QTimer* autoPress = control<QTimer>("tmrOkclick");
  ASSERT_NE(autoPress, nullptr);
  int ticks = 0;
  QObject context;
  QObject::connect(autoPress, &QTimer::timeout, &context, [&ticks] { ++ticks; });
  nextPositionPlays(1);
  click("cmdOk");
  ASSERT_EQ(shownPanel(), u8("pic2"));
  click("cmdNothing");  // confirmed
  ASSERT_EQ(shownPanel(), u8("pic1"));
  ASSERT_TRUE(QTest::qWaitFor([&ticks] { return ticks >= 3; }, 5000));
  EXPECT_EQ(game().state.orderPosition, 3);
  EXPECT_TRUE(control<QLabel>("lblOk")->isVisible());
  click("cmdOk");  // the player's press: the timer plays on by itself
  EXPECT_EQ(game().state.orderPosition, 4);
  EXPECT_FALSE(control<QLabel>("lblOk")->isVisible());
}

TEST_F(UiTest, QuitDeclinedKeepsTheWindow) {
  startGame();
  answers = {BoxResult::Cancel, BoxResult::Cancel};
  form()->close();
  EXPECT_TRUE(form()->isVisible());
  EXPECT_FALSE(terminated);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "セーブして終了しますか?");
  EXPECT_EQ(boxes[0].caption, "Velmora");
  EXPECT_EQ(boxes[0].defaultButton, BoxResult::Ok);
  EXPECT_EQ(boxes[1].text, "終了します。よろしいですか?");

  // From the menu, outside the turn's start: Cancel is the default, and nothing is saved.
  game().state.turnStart = false;
  boxes.clear();
  answers = {BoxResult::Cancel, BoxResult::Cancel};
  control<QAction>("mnuEnd")->trigger();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].defaultButton, BoxResult::Cancel);
  EXPECT_FALSE(terminated);

  answers = {BoxResult::Cancel, BoxResult::Ok};
  form()->close();
  EXPECT_TRUE(terminated);
  EXPECT_TRUE(game().ended);
  EXPECT_FALSE(form()->isVisible());
  // After the end nothing of the game runs any more.
  const int position = game().state.orderPosition;
  control("cmdOk")->click();
  EXPECT_EQ(game().state.orderPosition, position);
}

TEST(EventWindowTest, OkRunsTheGameStepBeforeClosingAndTheCloseBoxIsRefused) {
  bool visibleAtOk = false;
  int listAtOk = 0;
  EventWindow* window = nullptr;
  EventWindow w(
      {"「豊作」です", "尾張で豊作「12」増えました"},
      [&] {
        visibleAtOk = window->isVisible();
        listAtOk = window->lst->count();
      },
      nullptr);
  window = &w;
  EXPECT_EQ(w.windowTitle(), u8("イベント"));
  EXPECT_TRUE(w.Command1->isDefault());
  bool refused = false;
  QTimer::singleShot(0, &w, [&] {
    w.close();
    QTest::keyClick(&w, Qt::Key_Escape);
    refused = w.isVisible();
    QTest::keyClick(w.Command1, Qt::Key_Return);  // the default button
  });
  w.exec();
  EXPECT_TRUE(refused);
  EXPECT_TRUE(visibleAtOk);
  EXPECT_EQ(listAtOk, 2);
  EXPECT_EQ(w.lst->count(), 0);
  EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace velmora::ui::test
