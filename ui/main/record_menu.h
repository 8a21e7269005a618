#pragma once

#include <QMenu>
#include <QPointer>

namespace velmora {
struct Game;
}  // namespace velmora

namespace velmora::ui {

class CourseWindow;
class HistoryWindow;
class QtPort;

// 記録(&R): the game's history (履歴) and its course (勢力推移), each in a window of its own
// beside the main window, one of each at a time.
class RecordMenu : public QMenu {
  Q_OBJECT

 public:
  RecordMenu(velmora::Game& g, QtPort& port, QWidget* mainWindow);

  void openHistory();
  void openCourse();

  // The windows while they are open.
  HistoryWindow* historyWindow() const;
  CourseWindow* courseWindow() const;

 private:
  velmora::Game& game_;
  QtPort& port_;
  QWidget* mainWindow_;
  QPointer<HistoryWindow> history_;
  QPointer<CourseWindow> course_;
};

}  // namespace velmora::ui
