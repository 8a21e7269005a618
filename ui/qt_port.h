#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>

#include "core/course.h"
#include "core/ui_port.h"
#include "ui/history.h"

class QWidget;

namespace velmora {
struct Game;
}  // namespace velmora

namespace velmora::ui {

class MainWindow;

// The game's screen on Qt Widgets: draws into Form1 and opens the modal windows.
class QtPort : public UiPort {
 public:
  // Every message box of the program goes through one function, which tests replace.
  using BoxHandler = std::function<BoxResult(QWidget* parent, const MessageBoxRequest&)>;

  QtPort();

  void attach(MainWindow* form);
  // The game the battle window fights its battles in.
  void attachGame(Game* game) { game_ = game; }
  MainWindow* form() const;

  void setBoxHandler(BoxHandler handler) { boxHandler_ = std::move(handler); }
  // What ending the program does (by default: close every window, leave every event loop).
  void setTerminateAction(std::function<void()> action) { terminateAction_ = std::move(action); }
  // How a web address is opened (by default: the desktop's browser); false when it could not
  // be.
  void setUrlOpener(std::function<bool(const QUrl&)> opener) { urlOpener_ = std::move(opener); }

  // A box of the windows' own (help texts, confirmations): same look, same route, and into
  // the history like every box.
  BoxResult ask(const MessageBoxRequest& request);
  void showInfo(const QString& text);
  void openHomePage();

  void showLine1(const std::string& text, double holdSeconds) override;
  void showLine2(const std::string& text, double holdSeconds) override;
  void showLine3(const std::string& text, double holdSeconds) override;
  BoxResult messageBox(const MessageBoxRequest& request) override;
  void setCaption(const std::string& caption) override;
  void redrawProvince(const Province& province, bool highlighted) override;
  void showPrices(const std::string& food, const std::string& arms,
                  const std::string& troops) override;
  void setOkLabelVisible(bool visible) override;
  void cycleOkButton() override;
  void setDelegationMenuEnabled(bool enabled) override;
  void setAutoPressTimer(bool on) override;
  void setLockTimer(bool on) override;
  void bringMainWindowToFront() override;
  void showPanel(Panel panel) override;
  void setPanelLabel(PanelLabel label, const std::string& text) override;
  void setAmountText(const std::string& text) override;
  void setTargetList(const std::vector<std::string>& names) override;
  void selectTarget(int index) override;
  void setTargetAmountText(int box, const std::string& text) override;
  void setDelegationList(const std::vector<std::string>& names) override;
  void selectDelegation(int index) override;
  void removeDelegationLine(int index) override;
  void openBattleWindow() override;
  void refreshBattle() override;
  void closeBattleWindow() override;
  void showEventWindow(const std::vector<std::string>& lines,
                       const std::function<void()>& onOk) override;
  void seasonBegins() override;
  void gameLoaded(const std::string& path) override;
  void addToHistory(const std::string& text) override;
  bool keepsDetails() const override { return true; }
  void addDetail(const std::string& text) override;
  void showCourse(const Course& course) override;
  void terminate() override;

  bool terminated() const { return terminated_; }

  // Every text shown since the game was started or loaded.
  History& history() { return history_; }
  // The house names in house order, as the chart's legend gives them.
  QStringList houseNames() const;

 private:
  void line(int n, const std::string& text, double holdSeconds);
  QWidget* boxParent() const;

  History history_;
  QPointer<MainWindow> form_;
  Game* game_ = nullptr;
  QPointer<QWidget> battle_;
  BoxHandler boxHandler_;
  std::function<void()> terminateAction_;
  std::function<bool(const QUrl&)> urlOpener_;
  bool terminated_ = false;
};

// The message box the program shows when no test stands in for it.
BoxResult showQtMessageBox(QWidget* parent, const MessageBoxRequest& request);

}  // namespace velmora::ui
