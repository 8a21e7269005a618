#pragma once

#include <QString>
#include <QStringList>

#include "core/state_terms.h"

class QWidget;

namespace velmora::ui {

// The rules at hand: what each control of the orders and each value of a province does, what
// it costs and every rule that refuses it, in the game's own words. The boxes a refusal shows
// are quoted as the game shows them, with 〇〇 for the figure of the moment.

// The entries an order reads: which of them a refusal is about.
enum class RulesEntry {
  Order,   // the order as a whole, not one of its boxes
  Amount,  // 投資額 of the amount panel
  Troops,  // the target panel's boxes: troops, food, gold
  Food,
  Gold,
  AnyBox,  // any of the target panel's three boxes
};

// The order button of an order (1.移動 ... 3.何もしない).
QString orderRules(CommandKind kind);

// 1.軍事系 and 2.政治系.
QString militaryGroupRules();
QString politicalGroupRules();

// 投資額 for the order that opened the amount panel; empty for an order without it.
QString amountBoxRules(CommandKind kind);

// The target panel's troops, food or gold box for a move or an attack; empty otherwise.
QString targetBoxRules(CommandKind kind, RulesEntry box);

// A value of a province panel by the caption it stands beside (国力, 城, 兵, 金, 町, 食料,
// 武装, 民度); empty for any other caption.
QString provinceValueRules(const QString& caption);
// The panel's number and name (which open and close it) and its lord.
QString provinceHeadingRules();
QString provinceLordRules();

// The settings dialog's house box, naming the houses one may play.
QString houseBoxRules(const QStringList& houses);

// Asked when the settings dialog's OK names no house.
QString noHouseQuestion(const QString& name);

// The same text as the control's tooltip and as its accessible description, for players who
// do not use a mouse.
void describe(QWidget* control, const QString& rules);

}  // namespace velmora::ui
