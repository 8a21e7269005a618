#include "ui/port/qt_window_port.h"

#include "core/course.h"
#include "core/game.h"
#include "ui/common/widgets_util.h"
#include "ui/main/main_window.h"
#include "ui/port/qt_port.h"
#include "ui/windows/battle_window.h"
#include "ui/windows/course_window.h"
#include "ui/windows/event_window.h"
#include "ui/windows/history_window.h"
#include "ui/windows/window_opening.h"

namespace velmora::ui {

void QtWindowPort::openBattleWindow() {
  Game* game = port_.game();
  if (port_.terminated() || game == nullptr) return;
  // Its loading starts the battle; the settlement closes it and exec() returns.
  BattleWindow window(*game, port_.boxParent());
  if (MainWindow* form = port_.form()) {
    window.setScrollToProvince([form = QPointer<MainWindow>(form)](int p) {
      if (form) form->scrollToProvince(p);
    });
  }
  battle_ = &window;
  openModal(window);
  battle_ = nullptr;
}

void QtWindowPort::refreshBattle() {
  if (auto* window = qobject_cast<BattleWindow*>(battle_.data())) window->refresh();
}

void QtWindowPort::closeBattleWindow() {
  if (auto* window = qobject_cast<BattleWindow*>(battle_.data())) window->closeFromGame();
}

void QtWindowPort::showEventWindow(const std::vector<std::string>& lines,
                                   const std::function<void()>& onOk) {
  if (port_.terminated()) return;
  for (const auto& line : lines) port_.history().add(line);
  EventWindow window(lines, onOk, port_.boxParent());
  openModal(window);
}

void QtWindowPort::showCourse(const Course& course) {
  if (port_.terminated()) return;
  const Game* game = port_.game();
  const int player = game ? playerHouseNumber(game->state) : 0;
  CourseWindow window(port_.houseNames(), course, player, port_.boxParent());
  // Shown at unification: the winner and the season it came, and how every house fared.
  if (game) {
    const GameState& s = game->state;
    const QString unified = qs(s.provinces[1].lord) + QString::fromUtf8("が統一(") +
                            qs(turnCaption(s)) + QLatin1Char(')');
    window.setWindowTitle(QString::fromUtf8("勢力推移: ") + unified);
    window.showStandings(port_.houseNames(), houseRecords(s, course), unified,
                         [this, &window] { saveHistoryAs(port_.history(), &window); });
  }
  openModal(window);
}

void QtWindowPort::terminate() { port_.terminate(); }

}  // namespace velmora::ui
