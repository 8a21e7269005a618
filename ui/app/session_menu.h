#pragma once

#include <QObject>
#include <functional>

class QMenu;

namespace velmora {
struct Game;
}  // namespace velmora

namespace velmora::ui {

class EngineGate;
class QtPort;

// The items of セーブ/ロード that go beyond the one save: オートセーブから再開 and 新しいゲーム.
class SessionMenu : public QObject {
 public:
  struct Hooks {
    // The settings dialog, modal, for a new game: true on its OK.
    std::function<bool()> chooseSettings;
    // A fresh seed from the time of day.
    std::function<void()> reseed;
  };

  SessionMenu(Game& g, QtPort& port, EngineGate& gate, QMenu* saveLoad, Hooks hooks);

  void resumeFromAutosave();
  void newGame();

 private:
  void chooseNewGameSettings();

  Game& g_;
  QtPort& port_;
  EngineGate& gate_;
  Hooks hooks_;
};

}  // namespace velmora::ui
