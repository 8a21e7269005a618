#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/game.h"
#include "core/game_state.h"
#include "core/messages.h"
#include "core/record_port.h"

// The figures behind the game's own lines, kept in the record after them: what each order
// changed, the harvest, the prices, each battle and the fall of a house. Each is one line that
// begins with "・". Where the screen keeps none (the simulator's quiet run), nothing is copied
// and nothing is built.
namespace velmora {

inline bool keepsDetails(const Game& g) { return g.ui.record.keepsDetails(); }

// A detail given as its pieces, as the message lines are.
template <typename... Pieces>
void addDetail(Game& g, const Pieces&... pieces) {
  if (g.ui.record.keepsDetails()) g.ui.record.addDetail(detail::joinPieces("・", pieces...));
}

// The ten provinces as they stood when it was made, where the screen keeps details.
class ProvinceChanges {
 public:
  explicit ProvinceChanges(const Game& g);

  // One detail per province that changed since, in number order, each changed value before
  // and after: "・尾張 兵 10→15 武装 35→23 金 32→12". When none changed and `subject` is a
  // province, "・尾張 変化なし" says that its order changed nothing.
  void report(Game& g, int subject = 0) const;
  // The autumn's gains of every province: "・尾張 収穫 金+26 食料+20".
  void reportHarvest(Game& g) const;

 private:
  std::optional<ByNumber<Province>> before_;
};

// "・移動 尾張→三河 兵 20 食料 20 金 20": what a move took across.
void reportMove(Game& g, int from, int to, std::int32_t troops, std::int32_t food,
                std::int32_t gold);

// "・相場 食料 1.1 武器 6.4 兵 2.1": the prices now in force.
void reportPrices(Game& g);

}  // namespace velmora
