#include "ui/port/qt_panel_port.h"

#include <QStringList>

#include "ui/common/widgets_util.h"
#include "ui/main/main_window.h"
#include "ui/port/qt_port.h"

namespace velmora::ui {

namespace {

QStringList lines(const std::vector<std::string>& texts) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(texts.size()));
  for (const auto& text : texts) list.append(qs(text));
  return list;
}

}  // namespace

void QtPanelPort::showPanel(Panel panel) {
  if (MainWindow* form = port_.form()) form->showPanel(panel);
}

void QtPanelPort::setPanelLabel(PanelLabel label, const std::string& text) {
  if (MainWindow* form = port_.form()) form->setPanelLabel(label, qs(text));
}

void QtPanelPort::setAmountText(const std::string& text) {
  if (MainWindow* form = port_.form()) form->setAmountText(qs(text));
}

void QtPanelPort::setTargetList(const std::vector<std::string>& names) {
  if (MainWindow* form = port_.form()) form->setTargetList(lines(names));
}

void QtPanelPort::selectTarget(int index) {
  if (MainWindow* form = port_.form()) form->selectTarget(index);
}

void QtPanelPort::setTargetAmountText(int box, const std::string& text) {
  if (MainWindow* form = port_.form()) form->setTargetAmountText(box, qs(text));
}

void QtPanelPort::setDelegationList(const std::vector<std::string>& names) {
  if (MainWindow* form = port_.form()) form->setDelegationList(lines(names));
}

void QtPanelPort::selectDelegation(int index) {
  if (MainWindow* form = port_.form()) form->selectDelegation(index);
}

void QtPanelPort::removeDelegationLine(int index) {
  if (MainWindow* form = port_.form()) form->removeDelegationLine(index);
}

}  // namespace velmora::ui
