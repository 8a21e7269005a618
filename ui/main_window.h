#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <array>
#include <functional>

#include "core/game.h"
#include "ui/scroll_math.h"

namespace velmora::ui {

class EngineGate;
class MapSurface;
class ProvincePanel;
class QtPort;

// Form1: the map with the province panels, the message panel, the command panels, the help
// panels and the menu bar. Every control bears the name the game's screens give it.
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

  QWidget* panelWidget(Panel panel) const;
  ProvincePanel* provincePanel(int p) const { return provincePanels_[p]; }

  // Brings a province's panel into view (3000 twips from the window's top left corner, as far
  // as the scroll bars reach).
  void scrollToProvince(int p);
  void openAllPanels();
  void closeAllPanels();

  // A key reached the message panel: the Enter lock holds at least one more tick.
  void noteKeyOnMessagePanel();

  // The message lines: line 1 hides lines 2 and 3, lines 2 and 3 make themselves visible.
  void writeLine(int line, const QString& text);

  // The map surface's offset in twips as the scroll bars set it.
  int mapLeftTwips() const { return mapLeft_; }
  int mapTopTwips() const { return mapTop_; }
  const ScrollRange& horizontalRange() const { return hRange_; }
  const ScrollRange& verticalRange() const { return vRange_; }

  // pic1
  QWidget* pic1;
  QLabel* lblMsg;
  QLabel* lblMsg2;
  QLabel* lblMsg3;
  QPushButton* cmdOk;
  QLabel* lblOk;
  QLabel* lblMsgKome;
  QLabel* lblMsgBuki;
  QLabel* lblMsgHei;
  // pic2 .. pic7
  QWidget* pic2;
  QWidget* pic3;
  QWidget* pic4;
  QWidget* pic5;
  QWidget* pic6;
  QWidget* pic7;
  QLabel* lblPic2;
  QLabel* lblPic5;
  QLabel* lblPic6;
  QLabel* lblSouba;
  QLabel* lblPic7;
  QLineEdit* txtPic5;
  std::array<QLineEdit*, 3> txtPic6{};
  QListWidget* lstPic6;
  QListWidget* lstPic7;
  // Menus
  QMenu* mnuSL;
  QMenu* mnuIninKaijyo;
  QAction* mnuNation;
  QMenu* mnuKuni;
  QAction* mnuOpen;
  QAction* mnuClose;
  QAction* mnuSettei;
  QAction* mnuHP;
  QMenu* mnuHelp;
  // Timers of the turn cycle: the auto-press timer and the Enter lock timer.
  QTimer* tmrOkclick;
  QTimer* tmrOk;
  // The scroll bars.
  QScrollBar* HScroll1;
  QScrollBar* VScroll1;

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void buildMessagePanel(QWidget* surface);
  void buildCommandPanels(QWidget* surface);
  void buildHelpPanels(QWidget* surface);
  void buildMenus();
  void buildScrollBars(QWidget* client);
  QPushButton* orderButton(QWidget* panel, const char* name, const char* caption, int left, int top,
                           int width, int height);
  void player(std::function<void()> handler);
  void lockTimerFired();
  void setHorizontal(int value);
  void setVertical(int value);

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
};

}  // namespace velmora::ui
