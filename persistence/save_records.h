#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>
#include <type_traits>

#include "core/game_state.h"
#include "core/numeric.h"
#include "core/settings.h"
#include "core/terms.h"

// The record order of Game.dt, written once and walked by both the writer and the reader so
// that the two can never disagree. Each record names its field for messages and, for the
// reader, the values it may take.
namespace velmora::save_records {

inline constexpr int kLineCount = 287;

// Counters (year, turns, battles, tactic uses) are taken up to kCounterMax, the most play
// lets them reach.
inline constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// The game keeps province quantities within 0..999 and reports a value above after a load;
// the wider bound kQuantityBound (core/numeric.h), which play never passes, keeps the sums and
// products the rules form far inside 32 bits. Nothing in play takes a quantity below 0, and a
// negative one (a negative 民度 above all) would turn the autumn incomes into losses that grow
// without end, so none is taken.

inline constexpr std::string_view kPolicies[] = {"普通", "内政", "戦争"};
inline constexpr std::string_view kTemperaments[] = {"普通", "猛進", "慎重"};

// A field's name for messages: group and number (0 for none) and field, e.g. 国3 の 金.
struct FieldName {
  const char* group;
  int index;
  const char* field;
};

using Choices = std::span<const std::string_view>;
using FloatingChoices = std::span<const double>;

// Visitor interface (by convention):
//   integer(std::int32_t&, FieldName, min, max)
//   floating(double&, FieldName, FloatingChoices)  empty: any finite value above 0
//   text(std::string&, FieldName, Choices)  empty Choices: any text the file can hold
//   flag(bool&, FieldName)
// State is GameState for reading and const GameState for writing.
template <typename State, typename Visitor>
void visit(State& s, Visitor& v) {
  v.integer(s.year, {"年", 0, ""}, 1, kCounterMax);
  for (int i = 1; i <= 4; ++i) v.text(s.seasonNames[i], {"季節名", i, ""}, {});
  v.integer(s.season, {"季節", 0, ""}, 1, 4);
  v.integer(s.turnCount, {"ターン数", 0, ""}, 0, kCounterMax);
  v.text(s.title, {"タイトル", 0, ""}, {});
  v.floating(s.foodPrice, {"食料の相場", 0, ""}, {});
  v.floating(s.armsPrice, {"武器の相場", 0, ""}, {});
  v.floating(s.troopsPrice, {"兵の相場", 0, ""}, {});
  v.flag(s.firstStart, {"初回起動", 0, ""});
  v.text(s.settingHouseName, {"設定の家名", 0, ""}, {});
  v.integer(s.settingSpeedIndex, {"メッセージスピード", 0, ""}, 0, 3);
  v.integer(s.settingEnterAdvance, {"Enter送りの設定", 0, ""}, 0, 1);
  // The turn count again; on reading, this second copy is the one that stays. Games are saved
  // only at the start of a turn, where it is 0; any other value would stop the seasons for
  // good (the season advances only when the count was 0), so such a file is refused.
  v.integer(s.turnCount, {"ターン数", 0, ""}, 0, 0);

  for (int i = 1; i <= kProvinceCount; ++i) {
    auto& p = s.provinces[i];
    v.integer(p.number, {"国", i, "番号"}, i, i);
    v.text(p.name, {"国", i, "国名"}, {});
    v.text(p.lord, {"国", i, "領主"}, {});
    v.integer(p.power, {"国", i, "国力"}, 0, kQuantityBound);
    v.integer(p.town, {"国", i, "町"}, 0, kQuantityBound);
    v.integer(p.castle, {"国", i, "城"}, 0, kQuantityBound);
    v.integer(p.food, {"国", i, "食料"}, 0, kQuantityBound);
    v.integer(p.gold, {"国", i, "金"}, 0, kQuantityBound);
    v.integer(p.troops, {"国", i, "兵"}, 0, kQuantityBound);
    v.integer(p.arms, {"国", i, "武装"}, 0, kQuantityBound);
    v.integer(p.morale, {"国", i, "民度"}, 0, kQuantityBound);
  }

  for (int i = 1; i <= kNationCount; ++i) {
    auto& n = s.nations[i];
    v.integer(n.number, {"家", i, "番号"}, i, i);
    v.text(n.name, {"家", i, "名前"}, {});
    v.text(n.policy, {"家", i, "政治"}, kPolicies);
    v.text(n.temperament, {"家", i, "戦争"}, kTemperaments);
    v.text(n.favoriteTactic, {"家", i, "戦闘"}, kTacticNames);
    v.integer(n.wins, {"家", i, "勝"}, 0, kCounterMax);
    v.integer(n.losses, {"家", i, "負"}, 0, kCounterMax);
    for (int t = 1; t <= kTacticCount; ++t) {
      v.integer(n.tacticUses[t], {"家", i, "戦法の回数"}, 0, kCounterMax);
    }
  }

  for (int k = 1; k <= kProvinceCount; ++k) {
    // 0 while the first turn has not been drawn yet; the reader checks the whole order.
    v.integer(s.playOrder[k], {"手番", k, ""}, 0, kProvinceCount);
  }
  v.text(s.playerHouse, {"プレイヤーの家", 0, ""}, {});
  v.integer(s.currentProvince, {"現在の国", 0, ""}, 1, kProvinceCount);
  // Kept as its number.
  auto command = static_cast<std::int32_t>(s.selectedCommand);
  v.integer(command, {"選んだ命令", 0, ""}, 0, 10);
  if constexpr (!std::is_const_v<State>) s.selectedCommand = static_cast<CommandKind>(command);
  v.integer(s.candidateCount, {"候補の数", 0, ""}, 0, kProvinceCount);
  for (int k = 1; k <= kProvinceCount; ++k) {
    v.integer(s.candidates[k], {"候補", k, ""}, 0, kProvinceCount);
  }
  // Only the speeds the settings offer: any other time would hold every line that long, up to
  // freezing the window for good.
  v.floating(s.messageWait, {"メッセージの待ち時間", 0, ""}, kHoldTimes);
  v.flag(s.autoAdvance, {"自動送り", 0, ""});
  v.flag(s.enterAdvance, {"Enter送り", 0, ""});
  v.flag(s.autoAdvanceReady, {"自動送りの可否", 0, ""});
  v.flag(s.orderCompleted, {"命令の完了", 0, ""});
  v.flag(s.orderJustStarted, {"命令の開始", 0, ""});
  v.flag(s.turnStart, {"ターンの始め", 0, ""});
  for (int i = 1; i <= kProvinceCount; ++i) v.flag(s.delegated[i], {"委任", i, ""});
}

// Lines of fields the reader checks against others once every line is in.
inline constexpr int provinceLine(int p, int field) { return 17 + (p - 1) * 11 + field; }
inline constexpr int nationLine(int n, int field) { return 127 + (n - 1) * 12 + field; }
inline constexpr int playOrderLine(int k) { return 246 + k; }

}  // namespace velmora::save_records
