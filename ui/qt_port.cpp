#include "ui/qt_port.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>

#include "ui/battle_window.h"
#include "ui/event_window.h"
#include "ui/home_page.h"
#include "ui/main_window.h"
#include "ui/message_hold.h"
#include "ui/province_panel.h"
#include "ui/widgets_util.h"

namespace velmora::ui {

BoxResult showQtMessageBox(QWidget* parent, const MessageBoxRequest& request) {
  QMessageBox box(parent);
  box.setWindowTitle(qs(request.caption));
  box.setText(qs(request.text));
  box.setIcon(request.warning ? QMessageBox::Warning : QMessageBox::NoIcon);
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  QPushButton* cancel = nullptr;
  if (request.buttons == BoxButtons::OkCancel) {
    cancel = box.addButton(QMessageBox::Cancel);
    box.setEscapeButton(cancel);
  } else {
    box.setEscapeButton(ok);
  }
  box.setDefaultButton(request.defaultButton == BoxResult::Cancel && cancel ? cancel : ok);
  box.exec();
  return box.clickedButton() == ok ? BoxResult::Ok : BoxResult::Cancel;
}

QtPort::QtPort()
    : boxHandler_(showQtMessageBox),
      terminateAction_([] {
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        QCoreApplication::exit(0);  // leaves nested event loops as well
      }),
      urlOpener_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {}

void QtPort::attach(MainWindow* form) { form_ = form; }

MainWindow* QtPort::form() const { return form_; }

QWidget* QtPort::boxParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (form_) return form_;
  return QApplication::activeWindow();
}

BoxResult QtPort::ask(const MessageBoxRequest& request) {
  // After the end nothing is shown any more; a question then counts as declined.
  if (terminated_) return BoxResult::Cancel;
  return boxHandler_(boxParent(), request);
}

void QtPort::showInfo(const QString& text) {
  MessageBoxRequest box;
  box.text = ss(text);
  ask(box);
}

void QtPort::openHomePage() {
  const QUrl url = homePageUrl();
  if (url.isEmpty()) {
    showInfo(homePageMissingText());
    return;
  }
  urlOpener_(url);
}

void QtPort::line(int n, const std::string& text, double holdSeconds) {
  if (terminated_ || !form_) return;
  form_->writeLine(n, qs(text));
  showAndHold(form_, holdSeconds);
}

void QtPort::showLine1(const std::string& text, double holdSeconds) { line(1, text, holdSeconds); }
void QtPort::showLine2(const std::string& text, double holdSeconds) { line(2, text, holdSeconds); }
void QtPort::showLine3(const std::string& text, double holdSeconds) { line(3, text, holdSeconds); }

BoxResult QtPort::messageBox(const MessageBoxRequest& request) { return ask(request); }

void QtPort::setCaption(const std::string& caption) {
  if (form_) form_->setWindowTitle(qs(caption));
}

void QtPort::redrawProvince(const Province& province, bool highlighted) {
  if (form_) form_->provincePanel(province.number)->redraw(province, highlighted);
}

void QtPort::showPrices(const std::string& food, const std::string& arms,
                        const std::string& troops) {
  if (!form_) return;
  form_->lblMsgKome->setText(qs(food));
  form_->lblMsgBuki->setText(qs(arms));
  form_->lblMsgHei->setText(qs(troops));
}

void QtPort::setOkLabelVisible(bool visible) {
  if (form_) form_->lblOk->setVisible(visible);
}

void QtPort::cycleOkButton() {
  if (!form_) return;
  form_->cmdOk->setEnabled(false);
  form_->cmdOk->setEnabled(true);
}

void QtPort::setDelegationMenuEnabled(bool enabled) {
  if (form_) form_->mnuIninKaijyo->menuAction()->setEnabled(enabled);
}

void QtPort::setAutoPressTimer(bool on) {
  if (!form_) return;
  if (on && !terminated_) {
    if (!form_->tmrOkclick->isActive()) form_->tmrOkclick->start();
  } else {
    form_->tmrOkclick->stop();
  }
}

void QtPort::setLockTimer(bool on) {
  if (!form_) return;
  if (on && !terminated_) {
    if (!form_->tmrOk->isActive()) form_->tmrOk->start();
  } else {
    form_->tmrOk->stop();
  }
}

void QtPort::bringMainWindowToFront() {
  if (!form_) return;
  form_->show();
  form_->raise();
  form_->activateWindow();
}

void QtPort::showPanel(Panel panel) {
  if (!form_) return;
  QWidget* next = form_->panelWidget(panel);
  next->move(form_->pic1->pos());
  if (shownPanel_ == nullptr) shownPanel_ = form_->pic1;
  if (shownPanel_ != next) shownPanel_->hide();
  next->show();
  next->raise();
  shownPanel_ = next;
}

void QtPort::setPanelLabel(PanelLabel label, const std::string& text) {
  if (!form_) return;
  QLabel* target = nullptr;
  switch (label) {
    case PanelLabel::Pic2:
      target = form_->lblPic2;
      break;
    case PanelLabel::Pic5:
      target = form_->lblPic5;
      break;
    case PanelLabel::Pic6:
      target = form_->lblPic6;
      break;
    case PanelLabel::Souba:
      target = form_->lblSouba;
      break;
    case PanelLabel::Pic7:
      target = form_->lblPic7;
      break;
  }
  target->setText(qs(text));
  if (label != PanelLabel::Pic7) fitToText(target);  // lblPic7 keeps its fixed size
}

void QtPort::setAmountText(const std::string& text) {
  if (!form_) return;
  form_->txtPic5->setText(qs(text));
  form_->txtPic5->setFocus();
  form_->txtPic5->selectAll();
}

std::string QtPort::amountText() { return form_ ? ss(form_->txtPic5->text()) : std::string(); }

void QtPort::setTargetList(const std::vector<std::string>& names) {
  if (!form_) return;
  form_->lstPic6->clear();
  for (const auto& name : names) form_->lstPic6->addItem(qs(name));
}

void QtPort::selectTarget(int index) {
  if (!form_) return;
  if (index < 0 || index >= form_->lstPic6->count()) {
    form_->lstPic6->setCurrentRow(-1);
    form_->lstPic6->clearSelection();
    return;
  }
  form_->lstPic6->setCurrentRow(index);
}

std::string QtPort::selectedTargetText() {
  if (!form_) return {};
  const auto selected = form_->lstPic6->selectedItems();
  return selected.isEmpty() ? std::string() : ss(selected.first()->text());
}

void QtPort::setTargetAmountText(int box, const std::string& text) {
  if (form_ && box >= 0 && box < 3) form_->txtPic6[box]->setText(qs(text));
}

std::string QtPort::targetAmountText(int box) {
  if (!form_ || box < 0 || box >= 3) return {};
  return ss(form_->txtPic6[box]->text());
}

void QtPort::setDelegationList(const std::vector<std::string>& names) {
  if (!form_) return;
  form_->lstPic7->clear();
  for (const auto& name : names) form_->lstPic7->addItem(qs(name));
}

void QtPort::selectDelegation(int index) {
  if (!form_) return;
  if (index < 0 || index >= form_->lstPic7->count()) {
    form_->lstPic7->setCurrentRow(-1);
    form_->lstPic7->clearSelection();
    return;
  }
  form_->lstPic7->setCurrentRow(index);
}

int QtPort::selectedDelegation() {
  if (!form_) return -1;
  const auto selected = form_->lstPic7->selectedItems();
  return selected.isEmpty() ? -1 : form_->lstPic7->row(selected.first());
}

std::string QtPort::delegationLine(int index) {
  if (!form_ || index < 0 || index >= form_->lstPic7->count()) return {};
  return ss(form_->lstPic7->item(index)->text());
}

int QtPort::delegationCount() { return form_ ? form_->lstPic7->count() : 0; }

void QtPort::removeDelegationLine(int index) {
  if (!form_ || index < 0 || index >= form_->lstPic7->count()) return;
  delete form_->lstPic7->takeItem(index);
  // The list would pass the selection on to the next line, and a second OK would then hand
  // over (or take back) a province the player never chose: no line stays selected.
  form_->lstPic7->setCurrentRow(-1);
  form_->lstPic7->clearSelection();
}

void QtPort::openBattleWindow() {
  if (terminated_ || game_ == nullptr) return;
  // Its loading starts the battle; the settlement closes it and exec() returns.
  BattleWindow window(*game_, boxParent());
  if (form_)
    window.setScrollToProvince([form = form_](int p) {
      if (form) form->scrollToProvince(p);
    });
  battle_ = &window;
  window.exec();
  battle_ = nullptr;
}

void QtPort::refreshBattle() {
  if (auto* window = qobject_cast<BattleWindow*>(battle_.data())) window->refresh();
}

void QtPort::closeBattleWindow() {
  if (auto* window = qobject_cast<BattleWindow*>(battle_.data())) window->closeFromGame();
}

void QtPort::showEventWindow(const std::vector<std::string>& lines,
                             const std::function<void()>& onOk) {
  if (terminated_) return;
  EventWindow window(lines, onOk, boxParent());
  window.exec();
}

void QtPort::terminate() {
  if (terminated_) return;
  terminated_ = true;
  if (form_) {
    form_->tmrOkclick->stop();
    form_->tmrOk->stop();
  }
  terminateAction_();
}

}  // namespace velmora::ui
