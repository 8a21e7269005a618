#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "core/panel.h"
#include "ui/main/scroll_math.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QPushButton;
class QScrollBar;
class QTimer;

namespace velmora {
struct DelegationChoice;
struct Game;
struct OrderInput;
}  // namespace velmora

namespace velmora::ui {

class EngineGate;
class MapSurface;
struct CommandAction;
class ProvincePanel;
class QtPort;

// Form1: the map with the province panels, the message panel, the command panels, the help
// panels and the menu bar. Every control bears the name the game's screens give it as its
// objectName; the game reaches them only through the methods below.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(Game& g, QtPort& port, EngineGate& gate, QWidget* parent = nullptr);
  ~MainWindow() override;

  // What the menu items 設定(&D) and 国家情報(&N) open; they belong to the program around the
  // window.
  std::function<void()> openSettings;
  std::function<void()> openNationWindow;
  std::function<void()> openNationWindowModal;

  ProvincePanel* provincePanel(int p) const { return provincePanels_[p]; }
  // セーブ/ロード(&A), which the session's items join.
  QMenu* saveLoadMenu() const { return saveLoadMenu_; }

  // Brings a province's panel into view (3000 twips from the window's top left corner, as far
  // as the scroll bars reach).
  void scrollToProvince(int p);
  // Scrolls the map back to offset 0, 0 (the Home key).
  void scrollMapHome();
  void openAllPanels();
  void closeAllPanels();

  // A key reached the message panel: the Enter lock holds at least one more tick.
  void noteKeyOnMessagePanel();

  // The message lines: line 1 hides lines 2 and 3, lines 2 and 3 make themselves visible.
  void writeLine(int line, const QString& text);
  // The market box: food, arms and troops.
  void showPrices(const QString& food, const QString& arms, const QString& troops);
  // "OKをおしてください" below the OK button.
  void setOkPromptVisible(bool visible);
  // Disables and enables OK again, which takes the focus off it as in the game.
  void cycleOkButton();
  void setDelegationMenuEnabled(bool enabled);
  // The turn cycle's two timers: the auto-press timer and the Enter lock timer. Switching on
  // a running timer leaves its tick where it was.
  void setAutoPressTimer(bool on);
  void setLockTimer(bool on);

  // Shows a panel in the message panel's place and hides the one shown before.
  void showPanel(Panel panel);
  // What a command panel's button does; its click and its key both come here.
  void runCommand(const CommandAction& action);
  // Panel texts size themselves to their text, except the delegation heading's fixed box.
  void setPanelLabel(PanelLabel label, const QString& text);

  // The amount panel's box: a text set is focused and wholly selected.
  void setAmountText(const QString& text);
  QString amountText() const;

  // The target panel: the list and the three amount boxes (troops, food, gold).
  void setTargetList(const QStringList& names);
  void selectTarget(int index);        // out of range: nothing selected
  QString selectedTargetText() const;  // empty when nothing is selected
  int targetCount() const;
  void setTargetAmountText(int box, const QString& text);
  QString targetAmountText(int box) const;
  // Focuses an amount box with its text selected, so that typing replaces it.
  void focusTargetAmount(int box);

  // The delegation panel's list.
  void setDelegationList(const QStringList& names);
  void selectDelegation(int index);  // out of range: nothing selected
  int selectedDelegation() const;    // -1 when nothing is selected
  QString delegationLine(int index) const;
  int delegationCount() const;
  void removeDelegationLine(int index);

  // What the player typed and chose on the amount or target panel, for the pending order,
  // and on the delegation panel: the engine is given these values and reads no control.
  OrderInput orderInput() const;
  DelegationChoice delegationChoice() const;

  // Picture1, the map with the panels on it.
  MapSurface* mapSurface() const { return surface_; }

  // The map surface's offset in twips as the scroll bars set it.
  int mapLeftTwips() const { return mapLeft_; }
  int mapTopTwips() const { return mapTop_; }
  const ScrollRange& horizontalRange() const { return hRange_; }
  const ScrollRange& verticalRange() const { return vRange_; }

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void buildMessagePanel(QWidget* surface);
  void buildCommandPanels(QWidget* surface);
  void buildHelpPanels(QWidget* surface);
  void buildMenus();
  void buildScrollBars(QWidget* client);
  void player(std::function<void()> handler);
  // The OK buttons of the entry panels and of the delegation panel.
  void confirmPendingOrder();
  void confirmDelegationChoice();
  void lockTimerFired();
  void setHorizontal(int value);
  void setVertical(int value);
  void scrollMapTo(int h, int v);
  QWidget* panelWidget(Panel panel) const;

  Game& g_;
  QtPort& port_;
  EngineGate& gate_;
  MapSurface* surface_;
  std::array<ProvincePanel*, 11> provincePanels_{};
  ScrollRange hRange_;
  ScrollRange vRange_;
  int mapLeft_ = 120;
  int mapTop_ = 120;
  bool keySinceLockTick_ = false;

  // The message panel (pic1): the three lines, OK and its prompt, the market prices.
  QWidget* messagePanel_ = nullptr;
  std::array<QLabel*, 3> messageLines_{};   // lblMsg, lblMsg2, lblMsg3
  QPushButton* okButton_ = nullptr;         // cmdOk
  QLabel* okPrompt_ = nullptr;              // lblOk
  QLabel* foodPrice_ = nullptr;             // lblMsgKome
  QLabel* armsPrice_ = nullptr;             // lblMsgBuki
  QLabel* troopsPrice_ = nullptr;           // lblMsgHei
  std::array<QLabel*, 3> priceCaptions_{};  // lblSoubaKome, lblSoubaBuki, lblSoubaHei

  // The command panels and what the game writes into them.
  QWidget* orderPanel_ = nullptr;                  // pic2
  QWidget* militaryPanel_ = nullptr;               // pic3
  QWidget* politicalPanel_ = nullptr;              // pic4
  QWidget* amountPanel_ = nullptr;                 // pic5
  QWidget* targetPanel_ = nullptr;                 // pic6
  QWidget* delegationPanel_ = nullptr;             // pic7
  QWidget* shownPanel_ = nullptr;                  // the one in the message panel's place
  QPushButton* firstOrderButton_ = nullptr;        // cmdGunji
  QLabel* provinceName_ = nullptr;                 // lblPic2
  QLabel* amountHeading_ = nullptr;                // lblPic5
  QLabel* marketNote_ = nullptr;                   // lblSouba
  QLineEdit* amountBox_ = nullptr;                 // txtPic5
  QLabel* targetHeading_ = nullptr;                // lblPic6
  QListWidget* targetList_ = nullptr;              // lstPic6
  std::array<QLineEdit*, 3> targetAmountBoxes_{};  // txtPic6(0..2)
  QLabel* delegationHeading_ = nullptr;            // lblPic7
  QListWidget* delegationList_ = nullptr;          // lstPic7

  // Menu entries the game switches on and off.
  QMenu* saveLoadMenu_ = nullptr;      // mnuSL
  QMenu* delegationMenu_ = nullptr;    // mnuIninKaijyo
  QMenu* helpMenu_ = nullptr;          // mnuHelp, filled with its panels
  QAction* openAllAction_ = nullptr;   // mnuOpen
  QAction* closeAllAction_ = nullptr;  // mnuClose

  QTimer* autoPressTimer_ = nullptr;     // tmrOkclick
  QTimer* lockTimer_ = nullptr;          // tmrOk
  QScrollBar* horizontalBar_ = nullptr;  // HScroll1
  QScrollBar* verticalBar_ = nullptr;    // VScroll1
};

}  // namespace velmora::ui
