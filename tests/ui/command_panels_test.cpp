// The command panels' tables against the panels as built and the keyboard.
#include <QTest>
#include <QWindow>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "commands/delegation.h"
#include "core/game.h"
#include "core/panels.h"
#include "game/orders.h"
#include "ui/main/command_panels.h"
#include "ui_fixture.h"

namespace velmora::ui::test {
namespace {

// A row's key code as the keypad sends it.
void pressKey(QWindow* window, int code) {
  if (code == vk::kEnter) {
    QTest::keyClick(window, Qt::Key_Enter, Qt::KeypadModifier);
  } else if (code == vk::kDecimal) {
    QTest::keyClick(window, Qt::Key_Period, Qt::KeypadModifier);
  } else {
    QTest::keyClick(window, Qt::Key(Qt::Key_0 + code - vk::kNumpad0), Qt::KeypadModifier);
  }
}

// Every button of a command panel is a row of the panel's table, and each row's key, pressed on
// its panel, does what a click on its button does: the same panel, order and boxes follow.
TEST_F(UiTest, EachCommandButtonIsARowAndItsKeyDoesWhatItsClickDoes) {
  startGame();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form()));
  // Every question is declined, so that 何もしない leaves the order open for the next row.
  app->port().setBoxHandler([this](QWidget*, const MessageBoxRequest& box) {
    boxes.push_back(box);
    return BoxResult::Cancel;
  });
  nextPositionPlays(1);
  click("cmdOk");

  // Each panel opened as its order opens it, with an OK that is refused or declined and changes
  // nothing.
  auto open = [this](Panel panel) {
    app->gate().runPlayer([this, panel] {
      if (panel == Panel::Amount) {
        selectOrder(game(), CommandKind::RaisePower);
        form()->setAmountText(QStringLiteral("x"));
      } else if (panel == Panel::Target) {
        selectOrder(game(), CommandKind::Attack);
      } else if (panel == Panel::Delegation) {
        openDelegation(game());
        form()->selectDelegation(0);  // 尾張, the only province
      } else {
        velmora::showPanel(game(), panel);
      }
    });
  };
  // The panel shown, the order chosen, the boxes.
  using Outcome = std::tuple<std::string, int, std::vector<std::string>>;
  auto outcome = [&](Panel panel, const std::function<void()>& press) {
    open(panel);
    boxes.clear();
    press();
    std::vector<std::string> texts;
    for (const MessageBoxRequest& b : boxes) texts.push_back(b.text);
    return Outcome(shownPanel().toStdString(), int(game().state.selectedCommand), texts);
  };

  int keyed = 0;
  for (const CommandPanelTable& table : commandPanelTables()) {
    std::vector<std::string> rows;
    for (const PanelControl& c : table.controls) {
      if (c.kind == ControlKind::Button) rows.push_back(c.name);
    }
    std::vector<std::string> built;
    for (QPushButton* b : control<QWidget>(table.name)->findChildren<QPushButton*>()) {
      built.push_back(b->objectName().toStdString());
    }
    EXPECT_EQ(built, rows) << table.name;

    for (const PanelControl& c : table.controls) {
      if (c.kind != ControlKind::Button) continue;
      // As the help panel tells the player: a numbered button answers its keypad digit, OK
      // Enter, Cancel the decimal point.
      const QString caption = QString::fromUtf8(c.caption);
      const int key = caption == u8("OK")       ? vk::kEnter
                      : caption == u8("Cancel") ? vk::kDecimal
                      : caption[0].isDigit()    ? keypad(caption[0].digitValue())
                                                : 0;
      EXPECT_EQ(c.key, key) << c.name;
      if (c.key == 0) continue;
      ++keyed;
      const Outcome byKey = outcome(table.panel, [&] { pressKey(form()->windowHandle(), c.key); });
      const Outcome byClick = outcome(table.panel, [&] { click(c.name); });
      EXPECT_EQ(byKey, byClick) << c.name;
      EXPECT_TRUE(std::get<0>(byClick) != table.name || !std::get<2>(byClick).empty())
          << c.name << " did nothing";
    }
  }
  EXPECT_EQ(keyed, 20);  // every button but the target panel's ヘルプ
}

}  // namespace
}  // namespace velmora::ui::test
