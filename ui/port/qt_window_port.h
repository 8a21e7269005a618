#pragma once

#include <QPointer>

#include "core/window_port.h"

class QWidget;

namespace velmora::ui {

class QtPort;

// The battle, event and course windows, opened modally over the main window, and the end.
class QtWindowPort final : public WindowPort {
 public:
  explicit QtWindowPort(QtPort& port) : port_(port) {}

  void openBattleWindow() override;
  void refreshBattle() override;
  void closeBattleWindow() override;
  void showEventWindow(const std::vector<std::string>& lines,
                       const std::function<void()>& onOk) override;
  void showCourse(const std::vector<SeasonStanding>& course) override;
  void terminate() override;

 private:
  QtPort& port_;
  QPointer<QWidget> battle_;
};

}  // namespace velmora::ui
