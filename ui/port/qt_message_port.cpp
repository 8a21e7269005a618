#include "ui/port/qt_message_port.h"

#include "ui/common/widgets_util.h"
#include "ui/main/main_window.h"
#include "ui/port/message_hold.h"
#include "ui/port/qt_port.h"

namespace velmora::ui {

void QtMessagePort::line(int n, const std::string& text, double holdSeconds) {
  MainWindow* form = port_.form();
  if (port_.terminated() || !form) return;
  port_.history().add(text);
  form->writeLine(n, qs(text));
  showAndHold(form, holdSeconds);
}

void QtMessagePort::showLine1(const std::string& text, double holdSeconds) {
  line(1, text, holdSeconds);
}

void QtMessagePort::showLine2(const std::string& text, double holdSeconds) {
  line(2, text, holdSeconds);
}

void QtMessagePort::showLine3(const std::string& text, double holdSeconds) {
  line(3, text, holdSeconds);
}

BoxResult QtMessagePort::messageBox(const MessageBoxRequest& request) { return port_.ask(request); }

}  // namespace velmora::ui
