#pragma once

#include <filesystem>
#include <string>

#include "core/battle_state.h"
#include "core/course.h"
#include "core/game_state.h"
#include "core/panel.h"

namespace velmora {

// By name only: what reads the game need not rebuild with the screen's ports or the dice.
class RandomSource;
class MessagePort;
class BoardPort;
class PanelPort;
class WindowPort;
class RecordPort;
class UiPort;

// The screen the game reports to, one port for each role.
struct Screen {
  MessagePort& messages;
  BoardPort& board;
  PanelPort& panels;
  WindowPort& windows;
  RecordPort& record;
};

// One running game: its state, the screen it reports to and its source of chance. The
// program owns exactly one.
struct Game {
  Game(const Screen& screen, RandomSource& random) : ui(screen), rng(random) {}
  // One object in every role of the screen (the quiet screen, the simulator's, the tests').
  Game(UiPort& port, RandomSource& random);

  GameState state;
  Screen ui;
  RandomSource& rng;
  BattleState battle;
  Course course;  // since the game was started or loaded
  // Off where nobody will look at the course (the simulator without --course), so that it
  // costs nothing there.
  bool keepCourse = true;

  // Main-window state that is not saved.
  Panel currentPanel = Panel::Message;
  std::int32_t okLock = 0;
  // What the delegation panel was last opened for (its label lblPic7 says it): the way its OK
  // works.
  enum class DelegationMode { None, Delegate, Recall };
  DelegationMode delegationMode = DelegationMode::None;

  // Where Game.dt lives: the program's own directory when the player may write there, else the
  // player's data folder (set by the desktop game; the simulator names its files itself).
  std::filesystem::path saveDirectory;
  // The player's data folder rather than the program's: it is made by the first save that
  // needs it (the first autosave, with autosave on), never by a load.
  bool makeSaveDirectory = false;

  // The desktop game keeps an autosave at every turn start in saveDirectory/autosave; the
  // simulator and most tests keep none. Only the first failure of a run asks for a box.
  bool autosave = false;
  bool autosaveFailureShown = false;

  // Set once a game has been set up; before that there is nothing to save.
  bool started = false;

  // Set once the program has been told to end; nothing of the game runs afterwards.
  bool ended = false;
};

}  // namespace velmora
