#include "ui/qt_port.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>

#include "core/game.h"
#include "ui/battle_window.h"
#include "ui/course_window.h"
#include "ui/event_window.h"
#include "ui/history_window.h"
#include "ui/home_page.h"
#include "ui/main_window.h"
#include "ui/main_window_names.h"
#include "ui/map_surface.h"
#include "ui/message_hold.h"
#include "ui/province_panel.h"
#include "ui/widgets_util.h"

namespace velmora::ui {

namespace {

QStringList lines(const std::vector<std::string>& texts) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(texts.size()));
  for (const auto& text : texts) list.append(qs(text));
  return list;
}

}  // namespace

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
      urlOpener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

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
  history_.add(request.text);
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
  // With no browser or launcher the desktop only writes to stderr, which the player never sees.
  if (!urlOpener_(url)) showInfo(homePageFailedText(url));
}

void QtPort::line(int n, const std::string& text, double holdSeconds) {
  if (terminated_ || !form_) return;
  history_.add(text);
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
  if (!form_) return;
  form_->provincePanel(province.number)->redraw(province, highlighted);
  describeMap(form_);
  if (!game_) return;
  // The region takes its holder's colour with the panel's redraw.
  const GameState& s = game_->state;
  form_->mapSurface()->showHolder(province.number, houseOf(s, province.number),
                                  playerHouseNumber(s));
}

void QtPort::showPrices(const std::string& food, const std::string& arms,
                        const std::string& troops) {
  if (form_) form_->showPrices(qs(food), qs(arms), qs(troops));
}

void QtPort::setOkLabelVisible(bool visible) {
  if (form_) form_->setOkPromptVisible(visible);
}

void QtPort::cycleOkButton() {
  if (form_) form_->cycleOkButton();
}

void QtPort::setDelegationMenuEnabled(bool enabled) {
  if (form_) form_->setDelegationMenuEnabled(enabled);
}

// After the end no timer starts again.
void QtPort::setAutoPressTimer(bool on) {
  if (form_) form_->setAutoPressTimer(on && !terminated_);
}

void QtPort::setLockTimer(bool on) {
  if (form_) form_->setLockTimer(on && !terminated_);
}

void QtPort::bringMainWindowToFront() {
  if (!form_) return;
  form_->show();
  form_->raise();
  form_->activateWindow();
}

void QtPort::showPanel(Panel panel) {
  if (form_) form_->showPanel(panel);
}

void QtPort::setPanelLabel(PanelLabel label, const std::string& text) {
  if (form_) form_->setPanelLabel(label, qs(text));
}

void QtPort::setAmountText(const std::string& text) {
  if (form_) form_->setAmountText(qs(text));
}

void QtPort::setTargetList(const std::vector<std::string>& names) {
  if (form_) form_->setTargetList(lines(names));
}

void QtPort::selectTarget(int index) {
  if (form_) form_->selectTarget(index);
}

void QtPort::setTargetAmountText(int box, const std::string& text) {
  if (form_) form_->setTargetAmountText(box, qs(text));
}

void QtPort::setDelegationList(const std::vector<std::string>& names) {
  if (form_) form_->setDelegationList(lines(names));
}

void QtPort::selectDelegation(int index) {
  if (form_) form_->selectDelegation(index);
}

void QtPort::removeDelegationLine(int index) {
  if (form_) form_->removeDelegationLine(index);
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
  for (const auto& line : lines) history_.add(line);
  EventWindow window(lines, onOk, boxParent());
  window.exec();
}

void QtPort::seasonBegins() {
  if (game_ != nullptr) history_.addHeading(turnCaption(game_->state));
}

void QtPort::gameLoaded(const std::string& path) {
  history_.clear();
  history_.add("ロードしたファイル: " + path);
}

void QtPort::addToHistory(const std::string& text) { history_.add(text); }

void QtPort::addDetail(const std::string& text) { history_.addDetail(text); }

void QtPort::showCourse(const Course& course) {
  if (terminated_) return;
  const int player = game_ ? playerHouseNumber(game_->state) : 0;
  CourseWindow window(houseNames(), course, player, boxParent());
  // Shown at unification: the winner and the season it came, and how every house fared.
  if (game_) {
    const GameState& s = game_->state;
    const QString unified = qs(s.provinces[1].lord) + QString::fromUtf8("が統一(") +
                            qs(turnCaption(s)) + QLatin1Char(')');
    window.setWindowTitle(QString::fromUtf8("勢力推移: ") + unified);
    window.showStandings(houseNames(), houseRecords(s, course), unified,
                         [this, &window] { saveHistoryAs(history_, &window); });
  }
  window.exec();
}

QStringList QtPort::houseNames() const {
  QStringList names;
  if (game_ == nullptr) return names;
  for (int n = 1; n <= kNationCount; ++n) names.append(qs(game_->state.nations[n].name));
  return names;
}

void QtPort::terminate() {
  if (terminated_) return;
  terminated_ = true;
  if (form_) {
    form_->setAutoPressTimer(false);
    form_->setLockTimer(false);
  }
  terminateAction_();
}

}  // namespace velmora::ui
