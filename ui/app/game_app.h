#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "core/random.h"
#include "ui/main/record_menu.h"
#include "ui/port/engine_gate.h"
#include "ui/port/qt_port.h"
#include "ui/windows/settings_dialog.h"

namespace velmora {
struct Game;
}

namespace velmora::ui {

class MainKeys;
struct GamePorts;
class MainWindow;
class SessionMenu;

// The program: the one game, its screen and its windows. Starts with the settings dialog;
// its first OK opens the main window and a new game.
class GameApp : public QObject {
 public:
  GameApp();
  ~GameApp() override;

  void start();

  Game& game() { return *game_; }
  QtPort& port() { return port_; }
  EngineGate& gate() { return gate_; }
  MainWindow* mainWindow() const { return form_.get(); }
  SettingsDialog* settingsDialog() const { return settings_; }
  RecordMenu* recordMenu() const { return record_; }
  // For tests only: a game replayed in the window then draws what an engine run seeded alike
  // draws, where the program seeds from the time of day.
  void seedRandom(std::uint64_t seed) { rng_.reseed(seed); }

  // Opens the settings dialog, or raises it when it is open.
  void openSettings();
  // The nation information window: from the menu without blocking (one at a time, raised
  // when open), from the help panel modally.
  void openNationWindow();
  void openNationWindowModal();

 private:
  void settingsConfirmed();
  void openMainWindow();
  // The settings dialog, modal, for a new game: true on its OK.
  bool chooseNewGameSettings();

  QtPort port_;
  std::unique_ptr<GamePorts> ports_;  // the game's screen, one port for each role
  SeededRandom rng_;
  std::unique_ptr<Game> game_;  // by pointer: the screens need not rebuild with the game
  EngineGate gate_;
  std::unique_ptr<MainWindow> form_;
  std::unique_ptr<MainKeys> keys_;
  QPointer<SettingsDialog> settings_;
  QPointer<QDialog> nation_;
  QPointer<RecordMenu> record_;
  SessionMenu* session_ = nullptr;  // a child of the menu it adds to
};

}  // namespace velmora::ui
