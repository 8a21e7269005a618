#include "combat/attack.h"

#include <algorithm>

#include "combat/tactics.h"
#include "core/map.h"
#include "core/messages.h"
#include "core/numeric.h"
#include "core/order_input.h"
#include "core/panel_port.h"
#include "core/window_port.h"

namespace velmora {

bool prepareAttack(Game& g, int a) {
  GameState& s = g.state;
  const Province& own = s.provinces[a];
  std::vector<std::string> names;
  s.candidateCount = 0;
  for (int i = 1; i <= kProvinceCount; ++i) {
    if (s.provinces[i].lord != own.lord && areAdjacent(a, i)) {
      s.candidateCount += 1;
      s.candidates[s.candidateCount] = i;
      names.push_back(s.provinces[i].name);
    }
  }
  g.ui.panels.setTargetList(names);
  const std::string proposal = std::to_string(std::min({own.troops, own.food, own.gold}));
  for (int box = 0; box < 3; ++box) g.ui.panels.setTargetAmountText(box, proposal);
  if (s.candidateCount == 0) {
    showBox(g, "戦闘可能都市がありません");
    return false;
  }
  if (own.troops <= 0) {
    showBox(g, "兵力が0です");
    return false;
  }
  g.ui.panels.selectTarget(0);
  return true;
}

bool declareAttack(Game& g, int a, const OrderInput& in) {
  GameState& s = g.state;
  const int target = provinceNamed(s, in.target);
  if (target == 0) return false;
  const auto troops = parseAmountFloor(in.targetAmounts[0]);
  const auto food = parseAmountFloor(in.targetAmounts[1]);
  const auto gold = parseAmountFloor(in.targetAmounts[2]);
  if (!troops || !food || !gold) {
    showBox(g, "整数を入力してください");
    return false;
  }
  Province& own = s.provinces[a];
  const std::int32_t sent = *troops;
  if (sent > own.troops || sent == 0) {
    showBox(g, "足りません");
    return false;
  }
  // A negative troop count would add troops at home and turn the supply charge into income.
  if (sent < 0) {
    showBox(g, "兵力数は1以上の数字を入力してください");
    return false;
  }
  if (*food < sent || *food > own.food) {
    showBox(g, "食料が足りません");
    return false;
  }
  if (*gold < sent || *gold > own.gold) {
    showBox(g, "金が足りません");
    return false;
  }
  Province& t = s.provinces[target];
  if (!askOkCancel(g, t.name + "へ攻める")) return false;

  if (t.troops < 1) t.troops = 1;
  commitAttack(g, a, target, sent);
  BattleState& b = g.battle;
  b.attackerTactic = 0;  // the player picks it in the battle window
  b.defenderTactic = chooseComputerTactic(g, target, a);
  g.ui.windows.openBattleWindow();
  return true;
}

void commitAttack(Game& g, int a, int t, std::int32_t sent) {
  BattleState& b = g.battle;
  b.attacker = a;
  b.fieldTroops = sent;
  b.target = t;
  b.attackerCommitted = sent;
  b.defenderStartTroops = g.state.provinces[t].troops;
  g.state.provinces[a].troops -= sent;
}

}  // namespace velmora
