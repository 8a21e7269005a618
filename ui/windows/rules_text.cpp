#include "ui/windows/rules_text.h"

#include <QWidget>
#include <vector>

#include "core/battle_state.h"
#include "core/terms.h"

namespace velmora::ui {

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

// A rule that refuses an order: when it applies and the box it shows (none: the order is
// refused without a word).
struct Refusal {
  RulesEntry entry;
  const char* when;
  const char* box;
};

// The boxes more than one order shows.
constexpr const char* kNotWhole = "整数を入力してください";
constexpr const char* kNoMore = "これ以上増やせません";
constexpr const char* kShortOfGold = "金が足りません";
constexpr const char* kOnlyGold = "金〇〇しか持っていません";

struct Rules {
  const char* does;
  const char* costs;
  std::vector<Refusal> refusals;
};

// A development order, for the value it raises.
Rules development(const char* does, const char* gains, const char* atLimit) {
  return {does,
          gains,
          {{RulesEntry::Order, atLimit, kNoMore},
           {RulesEntry::Order, "金が10より少ないとき", kShortOfGold},
           {RulesEntry::Amount, "投資額が数字でないとき", kNotWhole},
           {RulesEntry::Amount, "投資額が100より多いとき", "投資は100までです"},
           {RulesEntry::Amount, "投資額が持っている金より多いとき", kOnlyGold},
           {RulesEntry::Amount, "投資額が10より少ないとき", kShortOfGold}}};
}

// What passes 999 is given back.
constexpr const char* kCappedRefund =
    "999を越す分は「兵を999におさめます。(あとは返金)」と言い、その分の金を返します。";
constexpr const char* kDevelopmentRefund =
    "999を越す分は「最大値を越します、金〇〇だけでよいです。金〇〇は返金します。」と言い、"
    "残りの金は返します。";

const Rules& rulesOf(CommandKind kind) {
  static const Rules kMove{
      "隣にある自分の家の国へ、兵・食料・金を送ります。",
      "費用はかかりません。移動先は999までで、入りきらない分は残ります。\n兵を送ると、移動先"
      "の武装は兵の数でならした値になります。",
      {{RulesEntry::Order, "隣に自分の家の国がないとき", "隣に味方の領土がありません"},
       {RulesEntry::Order, "移動先を選んでいないとき", "移動先は?"},
       {RulesEntry::AnyBox, "数が数字でないとき", kNotWhole},
       {RulesEntry::Troops, "持っている兵より多く送るとき", "兵が足りません"},
       {RulesEntry::Food, "持っている食料より多く送るとき", "食料が足りません"},
       {RulesEntry::Gold, "持っている金より多く送るとき", kShortOfGold},
       {RulesEntry::AnyBox, "送れる数がどれも0のとき、または負の数があるとき",
        "どれかは1以上の数字を入力してください(0ならキャンセルを)"}}};
  static const Rules kAttack{
      "隣にある他の家の国へ攻め込みます。戦いは4回までで、勝てばその国を兵ごと取ります。\n負"
      "けると出した兵は戻りません。",
      nullptr,  // the supplies, from the tactic table
      {{RulesEntry::Order, "隣に他の家の国がないとき", "戦闘可能都市がありません"},
       {RulesEntry::Order, "兵が0のとき", "兵力が0です"},
       {RulesEntry::AnyBox, "数が数字でないとき", kNotWhole},
       {RulesEntry::Troops, "兵力数が0のとき、または持っている兵より多いとき", "足りません"},
       {RulesEntry::Troops, "兵力数が負の数のとき", "兵力数は1以上の数字を入力してください"},
       {RulesEntry::Food, "食料の数が兵力数より少ないとき、または持っている食料より多いとき",
        "食料が足りません"},
       {RulesEntry::Gold, "金の数が兵力数より少ないとき、または持っている金より多いとき",
        kShortOfGold}}};
  static const Rules kTroops{
      "投資額の金で兵を雇います。\n新しい兵は武装を持たないので、武装の値は薄まります。",
      "雇えるのは投資額÷兵の相場の人数(端数は切り捨て)、払うのは人数×兵の相場(端数は切り"
      "上げ)です。",
      {{RulesEntry::Order, "兵が999のとき", kNoMore},
       {RulesEntry::Order, "金が兵1人の値段に足りないとき", nullptr},
       {RulesEntry::Amount, "投資額が数字でないとき", kNotWhole},
       {RulesEntry::Amount, "投資額が持っている金より多いとき", kOnlyGold},
       {RulesEntry::Amount, "投資額が兵の相場より少ないとき", kShortOfGold}}};
  static const Rules kArms{
      "投資額の金で武装を強めます。",
      "上がるのは投資額÷武器の相場で、投資額をそのまま払います。",
      {{RulesEntry::Order, "武装が999のとき", kNoMore},
       {RulesEntry::Order, "金が10より少ないとき", kShortOfGold},
       {RulesEntry::Amount, "投資額が数字でないとき", kNotWhole},
       {RulesEntry::Amount, "投資額が持っている金より多いとき", kOnlyGold},
       {RulesEntry::Amount, "投資額が武器の相場より少ないとき", kShortOfGold}}};
  static const Rules kPower = development(
      "投資額の金で国力を上げます。国力は秋の収穫の食料を増やします。民度も1上がります。",
      "投資は10から100までで、上がるのは投資額10で5、20で6、40で8、60で10、80で12、100で20"
      "です。",
      "国力が999のとき");
  static const Rules kTown = development(
      "投資額の金で町を広げます。町は秋の収穫の金を増やします。民度も1上がります。",
      "投資は10から100までで、上がるのは投資額10で5、20で6、40で8、60で10、80で12、100で20"
      "です。",
      "町が999のとき");
  static const Rules kCastle = development(
      "投資額の金で城を固めます。城は攻められたときの守りに加わります。",
      "投資は10から100までで、上がるのは国力や町の半分、投資額10で2、20で3、40で4、60で5、80"
      "で6、100で10です。",
      "城が999のとき");
  static const Rules kSell{
      "投資額の数だけ食料を売って金にします。食料売りの投資額は金ではなく食料の数です。",
      "受け取る金は売る食料×食料の相場です。\n金が999を越すときは「一部返金します」と言い、"
      "999に届く分だけ売ります。",
      {{RulesEntry::Amount, "投資額が数字でないとき", kNotWhole},
       {RulesEntry::Amount, "投資額が負の数のとき", "0以上の数字を入力してください"},
       {RulesEntry::Amount, "投資額が持っている食料より多いとき", "食料〇〇しか持っていません"},
       {RulesEntry::Order, "金が999のとき", "これ以上金を増やせません"}}};
  static const Rules kBuy{
      "投資額の金で食料を買います。",
      "買えるのは投資額÷食料の相場です。\n食料が999を越すときは「一部返品します」と言い、999"
      "に届く分だけ買って、その分だけ払います。",
      {{RulesEntry::Amount, "投資額が数字でないとき", kNotWhole},
       {RulesEntry::Amount, "投資額が持っている金より多いとき", kOnlyGold},
       {RulesEntry::Order, "食料が999のとき", "これ以上食料を増やせません"},
       {RulesEntry::Amount, "金が食料の相場より少ないとき、または投資額が負の数のとき",
        kShortOfGold}}};
  static const Rules kNothing{
      "この国はこのターン何もしません。",
      "費用はかかりません。「何もしない」と確かめ、キャンセルなら命令を選び直せます。",
      {}};
  static const Rules kNone{"", "", {}};
  switch (kind) {
    case CommandKind::Move:
      return kMove;
    case CommandKind::Attack:
      return kAttack;
    case CommandKind::RaiseTroops:
      return kTroops;
    case CommandKind::RaiseArms:
      return kArms;
    case CommandKind::RaisePower:
      return kPower;
    case CommandKind::BuildTown:
      return kTown;
    case CommandKind::BuildCastle:
      return kCastle;
    case CommandKind::SellFood:
      return kSell;
    case CommandKind::BuyFood:
      return kBuy;
    case CommandKind::DoNothing:
      return kNothing;
    case CommandKind::None:
      break;
  }
  return kNone;
}

// What an attack costs, from the table the battles use.
QString attackSupplies() {
  const TacticTable table = standardTacticTable();
  QStringList shares;
  for (int t = 1; t <= kTacticCount; ++t) {
    shares << QString::fromStdString(tacticName(t)) + QString::number(table[t].supplyPercent) +
                  QLatin1Char('%');
  }
  return u8("戦いのあと、勝っても負けても、最後の戦法に応じて金と食料が減ります。\n減るのは"
            "出した兵の数の") +
         shares.join(u8("・")) + u8("です。");
}

QString refusalLine(const Refusal& r) {
  const QString box = r.box ? u8("「") + u8(r.box) + u8("」") : u8("(何も言わずに断られます)");
  return u8("・") + u8(r.when) + box;
}

// The refusals of the entries given, under their heading; "断られることはありません" without.
QString refusals(const Rules& rules, std::initializer_list<RulesEntry> entries) {
  QStringList lines;
  for (const Refusal& r : rules.refusals) {
    for (RulesEntry e : entries) {
      if (r.entry == e) lines << refusalLine(r);
    }
  }
  if (lines.isEmpty()) return u8("断られることはありません。");
  return u8("断られるとき:\n") + lines.join(QLatin1Char('\n'));
}

}  // namespace

QString orderRules(CommandKind kind) {
  const Rules& rules = rulesOf(kind);
  QString text = u8(rules.does) + QLatin1Char('\n');
  switch (kind) {
    case CommandKind::Attack:
      text += attackSupplies() +
              u8("\n最後に「〇〇へ攻める」と聞かれ、キャンセルすれば何も変わりません。");
      break;
    case CommandKind::RaisePower:
    case CommandKind::BuildTown:
    case CommandKind::BuildCastle:
      text += u8(rules.costs) + QLatin1Char('\n') + u8(kDevelopmentRefund);
      break;
    case CommandKind::RaiseTroops:
    case CommandKind::RaiseArms:
      text += u8(rules.costs) + QLatin1Char('\n') + u8(kCappedRefund);
      break;
    default:
      text += u8(rules.costs);
  }
  return text + QLatin1Char('\n') +
         refusals(rules, {RulesEntry::Order, RulesEntry::Amount, RulesEntry::Troops,
                          RulesEntry::Food, RulesEntry::Gold, RulesEntry::AnyBox});
}

QString militaryGroupRules() {
  return u8("兵を動かす、攻め込む、兵を雇う、武装を強める命令です。");
}

QString politicalGroupRules() { return u8("国力・町・城を上げる命令と、食料の売り買いです。"); }

QString amountBoxRules(CommandKind kind) {
  const char* meaning = nullptr;
  switch (kind) {
    case CommandKind::RaiseTroops:
      meaning = "兵を雇うのに使う金の額です。";
      break;
    case CommandKind::RaiseArms:
      meaning = "武装に使う金の額です。";
      break;
    case CommandKind::RaisePower:
    case CommandKind::BuildTown:
    case CommandKind::BuildCastle:
      meaning = "投資する金の額で、10から100までです。";
      break;
    case CommandKind::SellFood:
      meaning = "売る食料の数です(金ではありません)。";
      break;
    case CommandKind::BuyFood:
      meaning = "食料を買うのに使う金の額です。";
      break;
    default:
      return QString();
  }
  // The box starts with all the province holds of it.
  const char* start = kind == CommandKind::SellFood ? "はじめは持っている食料の全部です。"
                                                    : "はじめは持っている金の全部です。";
  return u8(meaning) + u8(start) + QLatin1Char('\n') +
         refusals(rulesOf(kind), {RulesEntry::Amount});
}

QString targetBoxRules(CommandKind kind, RulesEntry box) {
  static const char* const kMoveMeaning[3] = {
      "送る兵の数です。はじめは持っている兵の全部です。",
      "送る食料の数です。はじめは持っている食料の全部です。",
      "送る金の数です。はじめは持っている金の全部です。"};
  static const char* const kAttackMeaning[3] = {
      "攻めに出す兵の数です。はじめは兵・食料・金のうち一番少ない数です。",
      "出す兵の数以上の食料があるかを見ます。ここでは減らず、戦いのあと戦法に応じて減ります。",
      "出す兵の数以上の金があるかを見ます。ここでは減らず、戦いのあと戦法に応じて減ります。"};
  int index = 0;
  if (box == RulesEntry::Food) {
    index = 1;
  } else if (box == RulesEntry::Gold) {
    index = 2;
  } else if (box != RulesEntry::Troops) {
    return QString();
  }
  const char* meaning = nullptr;
  if (kind == CommandKind::Move) meaning = kMoveMeaning[index];
  if (kind == CommandKind::Attack) meaning = kAttackMeaning[index];
  if (!meaning) return QString();
  return u8(meaning) + QLatin1Char('\n') + refusals(rulesOf(kind), {box, RulesEntry::AnyBox});
}

QString provinceValueRules(const QString& caption) {
  struct Value {
    const char* caption;
    const char* rules;
  };
  static const Value kValues[] = {
      {"国力",
       "国力。秋の収穫で食料が「民度×国力÷50」増えます。\n国力増大で上がり(999まで)、大型台風"
       "で下がることがあります。"},
      {"町",
       "町。秋の収穫で金が「民度×町÷50」増えます。\n町増築で上がり(999まで)、大型台風で下がる"
       "ことがあります。"},
      {"城",
       "城。攻められたとき、守りの強さ「兵+武装+城」に加わります。\n城普請で上がり(999まで)、"
       "大型台風で下がることがあります。"},
      {"食料",
       "食料。秋の収穫で増えます(999まで)。\n攻めるには出す兵の数以上が要り、戦いのあと戦法に"
       "応じて減ります。攻められて戦法を選ぶときにも要ります。\n食料売り・食料買いで金と取り"
       "替えられます。"},
      {"金",
       "金。秋の収穫で増えます(999まで)。命令の費用で、投資には10以上が要ります。\n攻めるには"
       "出す兵の数以上が要り、戦いのあと戦法に応じて減ります。攻められて戦法を選ぶときにも要"
       "ります。"},
      {"兵",
       "兵。戦いの強さ「兵+武装」になります。\n兵増強で雇い(999まで)、移動で隣の自分の国へ"
       "送れます。"},
      {"武装",
       "武装。兵とともに戦いの強さ「兵+武装」に加わります。\n武装強化で上がり(999まで)、兵を"
       "雇うと薄まります。"},
      {"民度",
       "民度。秋の収穫の金と食料の両方にかかり、戦いの士気は「50+民度÷2」で始まります。\n国"
       "力増大と町増築で1上がり、戦いのたびに1下がります。"},
  };
  for (const Value& v : kValues) {
    if (caption == u8(v.caption)) return u8(v.rules);
  }
  return QString();
}

QString provinceHeadingRules() {
  return u8("国の番号と国名です。クリックすると値を開き、もう一度クリックすると閉じます。");
}

QString provinceLordRules() { return u8("この国を持っている家(領主)です。"); }

QString houseBoxRules(const QStringList& houses) {
  return u8("プレイする家の名前です: ") + houses.join(u8("、")) +
         u8("。\nほかの名前、「*」、空欄では観戦となり、すべての国をコンピュータが動かします。");
}

QString noHouseQuestion(const QString& name) {
  return u8("「") + name + u8("」という家はありません。観戦しますか?");
}

void describe(QWidget* control, const QString& rules) {
  control->setToolTip(rules);
  control->setAccessibleDescription(rules);
}

}  // namespace velmora::ui
