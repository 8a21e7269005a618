#include "game/turn_cycle.h"

#include <array>

#include "ai/computer_turn.h"
#include "core/board_port.h"
#include "core/course.h"
#include "core/details.h"
#include "core/events.h"
#include "core/market.h"
#include "core/message_port.h"
#include "core/messages.h"
#include "core/numeric.h"
#include "core/panels.h"
#include "core/province_check.h"
#include "core/random.h"
#include "core/window_port.h"
#include "game/autosave.h"
#include "game/save_game.h"

namespace velmora {

void pressOk(Game& g) {
  if (g.ended) return;
  GameState& s = g.state;
  s.turnStart = false;
  if (s.orderPosition > kProvinceCount) {
    s.orderPosition = 1;
    endTurn(g);
    return;
  }
  if (g.okLock >= 1) return;
  if (s.orderPosition == 1) shuffleOrder(g);
  g.ui.board.setOkLabelVisible(false);
  playPosition(g, s.orderPosition);
  if (g.ended) return;
  s.orderPosition += 1;
  g.ui.board.setAutoPressTimer(s.orderPosition <= kProvinceCount);
  checkAllProvinces(g);
  g.okLock = 0;
  g.ui.board.cycleOkButton();
  // The prompt also shows whenever only the player can press: in auto mode after the player's
  // order or after the player was attacked the timer waits, and the turn must not look stuck.
  const bool waitsForPlayer = s.autoAdvance && !s.autoAdvanceReady;
  g.ui.board.setOkLabelVisible(s.enterAdvance || waitsForPlayer ||
                               s.orderPosition > kProvinceCount);
}

void playPosition(Game& g, int k) {
  GameState& s = g.state;
  const int p = s.playOrder[k];
  if (s.orderCompleted) s.autoAdvanceReady = true;
  s.orderCompleted = false;
  const Province& pr = s.provinces[p];
  showLine1(g, p, " ", pr.name, " ", pr.lord);
  if (isComputerPlayed(s, p)) {
    playComputerTurn(g, p);
    return;
  }
  showLine1(g, "あなたの番です ", pr.name);
  g.ui.board.setDelegationMenuEnabled(true);
  s.orderJustStarted = true;
  s.currentProvince = p;
  beginPlayerOrder(g);
}

void shuffleOrder(Game& g) {
  // Shuffled in a copy of its own, which the draws cannot reach, so that it stays in registers.
  ByNumber<std::int32_t> order{};
  for (int i = 1; i <= kProvinceCount; ++i) order[i] = i;
  for (int pass = 0; pass < 3; ++pass) {
    for (int k = kProvinceCount; k >= 2; --k) {
      double r = g.rng.next();
      // Seven significant digits first: an r of 0.49999996 becomes 0.5000000 and then 0.
      const int swap = roundHalfEvenAtSevenDigits(r) == 1 ? 1 : 0;
      // Looked up, not branched on: a coin is a branch no processor can foresee.
      const std::array<std::int32_t, 2> pair{order[1], order[k]};
      order[1] = pair[swap];
      order[k] = pair[1 - swap];
    }
  }
  g.state.playOrder = order;
}

void endTurn(Game& g) {
  GameState& s = g.state;
  const std::int32_t before = s.turnCount;
  s.turnCount += 1;
  if (before == 0) advanceSeason(g);
}

namespace {

// morale x town (or power) / 50. The product is taken in 64 bits so that values a loaded file
// may carry far outside the limits cannot overflow; inside them it is the same number.
double income(std::int32_t morale, std::int32_t base) {
  return static_cast<double>(static_cast<std::int64_t>(morale) * base) / 50;
}

}  // namespace

void harvest(GameState& s) {
  for (int i = 1; i <= kProvinceCount; ++i) {
    Province& p = s.provinces[i];
    if (p.gold < kLimit) {
      p.gold = capAtLimit(roundHalfEven(income(p.morale, p.town) + p.gold));
    }
    if (p.food < kLimit) {
      p.food = capAtLimit(roundHalfEven(income(p.morale, p.power) + p.food));
    }
  }
}

void advanceSeason(Game& g) {
  GameState& s = g.state;
  s.turnStart = true;
  s.turnCount = 0;
  if (s.season == 4) {
    s.season = 1;
    countUp(s.year);
  } else {
    s.season += 1;
  }
  if (g.ui.messages.watched()) g.ui.board.setCaption(turnCaption(s));
  recordSeasonStart(g);
  g.ui.board.setOkLabelVisible(true);
  if (s.season == 3) {
    const ProvinceChanges beforeHarvest(g);
    harvest(s);
    beforeHarvest.reportHarvest(g);
    redrawAllProvinces(g);  // the new gold and food at once; limits are checked at the next press
    drawMarketPrices(g);
    reportPrices(g);
    rollEvent(g);
  }
  showLine1(g, turnCaption(s), "です");
  const std::string& first = s.provinces[1].lord;
  bool unified = true;
  for (int p = 2; p <= kProvinceCount && unified; ++p) unified = s.provinces[p].lord == first;
  if (!unified) {
    autosaveTurnStart(g);
    return;
  }
  recordUnification(g);
  showLine1(g, first, "が統一しました");
  g.ui.windows.showCourse(g.course);
  endGame(g);
}

void keyOnMessagePanel(Game& g, bool isEnter) {
  if (g.ended) return;
  g.ui.board.setLockTimer(true);
  if (isEnter) {
    pressOk(g);
    g.okLock += 1;
  }
}

void autoPressTick(Game& g) {
  if (g.ended) return;
  if (g.state.autoAdvanceReady && g.state.autoAdvance) pressOk(g);
}

void lockTimerTick(Game& g) {
  g.okLock = 0;
  g.ui.board.setLockTimer(false);
}

bool quitGame(Game& g) {
  const std::string& title = g.state.title;
  if (!g.started) {
    // F1 in the settings dialog at start-up: no game exists yet, and offering to save would
    // overwrite the last saved game with an empty one.
  } else if (g.state.turnStart) {
    if (askOkCancel(g, "セーブして終了しますか?", BoxResult::Ok, title)) {
      if (!saveGame(g)) return false;
    }
  } else if (askOkCancel(g, "セーブして終了しますか?", BoxResult::Cancel, title)) {
    showBox(g, "セーブはターンのはじめしかできません");
    return false;
  }
  if (!askOkCancel(g, "終了します。よろしいですか?", BoxResult::Ok, title)) return false;
  terminateGame(g);
  return true;
}

void endGame(Game& g) {
  MessageBoxRequest box;
  box.text = "終了です";
  box.caption = g.state.title;
  g.ui.messages.messageBox(box);
  terminateGame(g);
}

void terminateGame(Game& g) {
  g.ended = true;
  g.ui.board.setAutoPressTimer(false);
  g.ui.board.setLockTimer(false);
  g.ui.windows.terminate();
}

}  // namespace velmora
