#pragma once

namespace velmora {

struct Game;
struct GameState;

// One press of OK: by the button, by Enter on the message panel or by the auto-press timer.
void pressOk(Game& g);

// Plays position k of the turn's order of play.
void playPosition(Game& g, int k);

// Draws the order of play of a new turn.
void shuffleOrder(Game& g);

void endTurn(Game& g);
void advanceSeason(Game& g);

// The autumn income of all ten provinces.
void harvest(GameState& s);

// Any key on the main window while the message panel is shown (the Enter lock rule).
void keyOnMessagePanel(Game& g, bool isEnter);

// Ticks of the two 10 ms timers of the main window.
void autoPressTick(Game& g);
void lockTimerTick(Game& g);

// The quit confirmation; true when the program ends.
bool quitGame(Game& g);

// "終了です", then the end of the program.
void endGame(Game& g);

// Ends the program at once; nothing of the game runs afterwards.
void terminateGame(Game& g);

}  // namespace velmora
