#include "ui/app/game_app.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QWindow>

#include "core/game.h"
#include "game/game_start.h"
#include "ui/app/save_location.h"
#include "ui/app/session_menu.h"
#include "ui/main/main_keys.h"
#include "ui/main/main_window.h"
#include "ui/main/record_menu.h"
#include "ui/port/qt_board_port.h"
#include "ui/port/qt_message_port.h"
#include "ui/port/qt_panel_port.h"
#include "ui/port/qt_record_port.h"
#include "ui/port/qt_window_port.h"
#include "ui/windows/nation_window.h"
#include "ui/windows/settings_dialog.h"
#include "ui/windows/window_opening.h"

namespace velmora::ui {

struct GamePorts {
  explicit GamePorts(QtPort& port)
      : messages(port), board(port), panels(port), windows(port), record(port) {}
  Screen screen() { return {messages, board, panels, windows, record}; }

  QtMessagePort messages;
  QtBoardPort board;
  QtPanelPort panels;
  QtWindowPort windows;
  QtRecordPort record;
};

GameApp::GameApp()
    : ports_(std::make_unique<GamePorts>(port_)),
      rng_(0),
      game_(std::make_unique<Game>(ports_->screen(), rng_)),
      gate_(*game_) {
  const std::filesystem::path programDir = QCoreApplication::applicationDirPath().toStdString();
  game_->saveDirectory = saveDirectoryFor(programDir);
  game_->makeSaveDirectory = game_->saveDirectory != programDir;
  game_->autosave = true;
  port_.attachGame(game_.get());
}

GameApp::~GameApp() {
  if (keys_) qApp->removeEventFilter(keys_.get());
  if (settings_) delete settings_;
}

void GameApp::start() { openSettings(); }

void GameApp::openSettings() {
  openBeside(settings_, [this] {
    auto* dialog = new SettingsDialog(*game_, port_, form_.get());
    // Its keyboard goes with it: a child of the dialog, removed from the application with it.
    qApp->installEventFilter(new SettingsKeys(*game_, gate_, dialog));
    connect(dialog, &SettingsDialog::confirmed, this, &GameApp::settingsConfirmed);
    connect(dialog, &QDialog::finished, this, [this](int result) {
      // At start-up the dialog is the only window: closing it ends the program.
      if (result == QDialog::Rejected && !form_) QCoreApplication::quit();
    });
    return dialog;
  });
}

void GameApp::openNationWindow() {
  openBeside(nation_, [this] {
    return new NationWindow(
        *game_, [this](int p) { form_->scrollToProvince(p); }, form_.get());
  });
}

void GameApp::openNationWindowModal() {
  NationWindow window(
      *game_, [this](int p) { form_->scrollToProvince(p); }, form_.get());
  openModal(window);
}

void GameApp::settingsConfirmed() {
  if (form_) {
    ports_->board.bringMainWindowToFront();
    return;
  }
  openMainWindow();
}

void GameApp::openMainWindow() {
  form_ = std::make_unique<MainWindow>(*game_, port_, gate_);
  form_->openSettings = [this] { openSettings(); };
  form_->openNationWindow = [this] { openNationWindow(); };
  form_->openNationWindowModal = [this] { openNationWindowModal(); };
  port_.attach(form_.get());
  // The last menu of the bar, after ヘルプ.
  record_ = new RecordMenu(*game_, port_, form_.get());
  form_->menuBar()->addMenu(record_);
  session_ = new SessionMenu(
      *game_, port_, gate_, form_->saveLoadMenu(),
      {[this] { return chooseNewGameSettings(); }, [this] { rng_.reseed(seedFromTimeOfDay()); }});
  keys_ = std::make_unique<MainKeys>(*game_, gate_, form_.get());
  qApp->installEventFilter(keys_.get());
  form_->show();
  // The first line is held on screen: let the window appear before it is written.
  QElapsedTimer waited;
  waited.start();
  while (form_->windowHandle() && !form_->windowHandle()->isExposed() && waited.elapsed() < 1000) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
  }
  rng_.reseed(seedFromTimeOfDay());
  gate_.runPlayer([this] { startFirstGame(*game_); });
}

bool GameApp::chooseNewGameSettings() {
  // The dialog of 設定 closes storing nothing: one settings dialog at a time.
  if (settings_) settings_->reject();
  SettingsDialog dialog(*game_, port_, form_.get());
  dialog.setCancellable(true);
  qApp->installEventFilter(new SettingsKeys(*game_, gate_, &dialog));
  return openModal(dialog) == QDialog::Accepted;
}

}  // namespace velmora::ui
