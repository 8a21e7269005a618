#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

#include "core/message_box.h"
#include "ui/port/history.h"

class QWidget;

namespace velmora {
struct Game;
}  // namespace velmora

namespace velmora::ui {

class MainWindow;

// The desktop's screen: the main window the game draws into, the one route of every box, the
// record of every text shown and the end of the program. The game's ports (qt_*_port.h), one
// for each role, act through it; the windows use it for their own boxes.
class QtPort {
 public:
  // Every message box of the program goes through one function, which tests replace.
  using BoxHandler = std::function<BoxResult(QWidget* parent, const MessageBoxRequest&)>;

  QtPort();

  void attach(MainWindow* form);
  // The game the ports report, and the battle window fights its battles in.
  void attachGame(Game* game) { game_ = game; }
  MainWindow* form() const;
  Game* game() const { return game_; }

  void setBoxHandler(BoxHandler handler) { boxHandler_ = std::move(handler); }
  // What ending the program does (by default: close every window, leave every event loop).
  void setTerminateAction(std::function<void()> action) { terminateAction_ = std::move(action); }
  // How a web address is opened (by default: the desktop's browser); false when it could not
  // be.
  void setUrlOpener(std::function<bool(const QUrl&)> opener) { urlOpener_ = std::move(opener); }

  // A box, the game's or a window's own (help texts, confirmations): same look, same route,
  // and into the history like every box. After the end a question counts as declined.
  BoxResult ask(const MessageBoxRequest& request);
  void showInfo(const QString& text);
  void openHomePage();
  // Where a box or a modal window opens: over the modal window open now, else the main window.
  QWidget* boxParent() const;

  // Ends the program once; nothing of the game runs after it.
  void terminate();
  bool terminated() const { return terminated_; }

  // Every text shown since the game was started or loaded.
  History& history() { return history_; }
  // The house names in house order, as the chart's legend gives them.
  QStringList houseNames() const;

 private:
  History history_;
  QPointer<MainWindow> form_;
  Game* game_ = nullptr;
  BoxHandler boxHandler_;
  std::function<void()> terminateAction_;
  std::function<bool(const QUrl&)> urlOpener_;
  bool terminated_ = false;
};

// The message box the program shows when no test stands in for it.
BoxResult showQtMessageBox(QWidget* parent, const MessageBoxRequest& request);

}  // namespace velmora::ui
