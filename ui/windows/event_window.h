#pragma once

#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

namespace velmora::ui {

// frmEvent: the autumn event's list. Only its OK closes it: OK runs the game's step first,
// then clears the list and closes; the close box and Escape are refused.
class EventWindow : public QDialog {
 public:
  EventWindow(const std::vector<std::string>& lines, std::function<void()> onOk, QWidget* parent);

  QListWidget* lst;
  QPushButton* Command1;

  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void pressOk();

  std::function<void()> onOk_;
  bool closing_ = false;
};

}  // namespace velmora::ui
