#include "ui/main/record_menu.h"

#include "core/game_view.h"
#include "ui/port/qt_port.h"
#include "ui/windows/course_window.h"
#include "ui/windows/history_window.h"
#include "ui/windows/window_opening.h"

namespace velmora::ui {

RecordMenu::RecordMenu(velmora::Game& g, QtPort& port, QWidget* mainWindow)
    : QMenu(QString::fromUtf8("記録(&R)"), mainWindow),
      game_(g),
      port_(port),
      mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("mnuRecord"));
  QAction* history = addAction(QString::fromUtf8("履歴(&H)"));
  history->setObjectName(QStringLiteral("mnuHistory"));
  connect(history, &QAction::triggered, this, &RecordMenu::openHistory);
  QAction* course = addAction(QString::fromUtf8("勢力推移(&G)"));
  course->setObjectName(QStringLiteral("mnuCourse"));
  connect(course, &QAction::triggered, this, &RecordMenu::openCourse);
  QAction* save = addAction(QString::fromUtf8("履歴を保存(&S)..."));
  save->setObjectName(QStringLiteral("mnuSaveHistory"));
  connect(save, &QAction::triggered, this, [this] { saveHistoryAs(port_.history(), mainWindow_); });
}

HistoryWindow* RecordMenu::historyWindow() const { return history_; }

CourseWindow* RecordMenu::courseWindow() const { return course_; }

void RecordMenu::openHistory() {
  openBeside(history_, [this] { return new HistoryWindow(port_.history(), mainWindow_); });
}

void RecordMenu::openCourse() {
  openBeside(course_, [this] {
    auto* window =
        new CourseWindow(port_.houseNames(), courseOf(game_), playerHouse(game_), mainWindow_);
    // Not modal from the menu: it follows the game, a point each season.
    connect(&port_.history(), &History::seasonBegan, window,
            [window, game = &game_, port = &port_] {
              window->followCourse(port->houseNames(), courseOf(*game), playerHouse(*game));
            });
    return window;
  });
}

}  // namespace velmora::ui
