// 新しいゲーム from the menu: refused in a turn; at a turn start the settings dialog, modal,
// whose OK begins the opening anew and whose close keeps the game.
#include "core/game.h"
#include "ui/port/qt_port.h"
#include "ui_fixture.h"

namespace velmora::ui::test {
namespace {

// Does `act` to the settings dialog once it is up modally (the menu opens it a moment later).
void whenSettingsAreUp(const std::function<void(SettingsDialog*)>& act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
    if (auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget())) {
      poll->deleteLater();
      act(dialog);
    }
  });
  poll->start(5);
}

TEST_F(UiTest, NewGameIsRefusedInATurnAndBeginsTheOpeningAtATurnStart) {
  startGame();
  game().state.turnStart = false;
  control<QAction>("mnuNewGame")->trigger();
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.back().text, "新しいゲームはターンのはじめにしか始められません");

  // A game some way on: closing the dialog keeps every value of it.
  game().state.turnStart = true;
  game().state.year = 3;
  game().state.autoAdvance = false;
  const GameState before = game().state;
  boxes.clear();
  bool closed = false;
  whenSettingsAreUp([&](SettingsDialog* dialog) {
    dialog->reject();
    closed = true;
  });
  control<QAction>("mnuNewGame")->trigger();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "新しいゲームを始めますか?");
  EXPECT_EQ(boxes[0].defaultButton, BoxResult::Cancel);
  ASSERT_TRUE(QTest::qWaitFor([&] { return closed; }));
  QTest::qWait(0);
  EXPECT_EQ(game().state, before);

  whenSettingsAreUp([](SettingsDialog* dialog) { named(dialog, "Command1")->click(); });
  control<QAction>("mnuNewGame")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return game().state.year == 1; }));
  EXPECT_EQ(form()->windowTitle(), u8("1年目の春"));
  EXPECT_EQ(game().state.provinces[1].lord, "織田");
  EXPECT_EQ(app->port().history().entries().first(), u8("1年目の春"));
  EXPECT_EQ(app->port().history().entries().last(), u8("1年目、春です"));
}

}  // namespace
}  // namespace velmora::ui::test
