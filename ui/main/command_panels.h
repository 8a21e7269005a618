#pragma once

#include <array>
#include <functional>
#include <span>

#include "core/panel.h"
#include "core/state_terms.h"
#include "ui/main/key_codes.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace velmora {
struct Game;
}  // namespace velmora

namespace velmora::ui {

// The command panels pic2 .. pic7, each declared by one table in command_panels.cpp: a row is
// one control, and the rows are built in their order, which is also the order Tab goes
// through them. A button's key and its click take the same action.

// What a button does, clicked or pressed by its key.
struct CommandAction {
  enum Kind { ShowPanel, ChooseOrder, ConfirmOrder, ConfirmDelegation, ExplainTargetKeys };
  Kind kind = ShowPanel;
  Panel panel = Panel::Order;             // ShowPanel: the panel to show
  CommandKind order = CommandKind::None;  // ChooseOrder: the order chosen
};

// Where a control's tooltip and accessible description come from (ui/windows/rules_text.h).
enum class Rules {
  None,
  MilitaryGroup,   // militaryGroupRules()
  PoliticalGroup,  // politicalGroupRules()
  Order,           // orderRules() of the button's order
  // A box means what the pending order makes of it, so it is described anew each time its
  // panel is shown.
  AmountBox,  // amountBoxRules()
  TroopsBox,  // targetBoxRules() for the troops, food or gold
  FoodBox,
  GoldBox,
};

// The controls the main window writes into or reads from.
enum class Part {
  None,
  ProvinceName,   // the province the order is for
  AmountHeading,  // the order and its province, above the amount
  MarketNote,     // the price the amount is traded at
  AmountBox,      // the amount
  TargetHeading,  // the order and its province, above the targets
  TargetList,     // the provinces to choose from
  TroopsBox,      // the troops, food and gold taken along
  FoodBox,
  GoldBox,
  DelegationHeading,  // 委任 or 委任解除
  DelegationList,     // the provinces to hand over or take back
};
inline constexpr int kPartCount = static_cast<int>(Part::DelegationList) + 1;

enum class ControlKind {
  Button,
  Text,  // light cyan, sized to its words unless a size is given
  Note,  // a text of a few lines in a fixed box, in a smaller font
  Box,   // a one-line text box
  List,
};

struct TwipsRect {
  int left = 0, top = 0;
  int width = 0, height = 0;  // 0 for a text sized to its words
};

struct PanelControl {
  ControlKind kind;
  const char* name;      // its objectName
  const char* caption;   // UTF-8: a button's caption, a text's words; "" where the game writes
  TwipsRect place;       // within its panel
  CommandAction action;  // a button's
  int key;               // the key code (ui/main/key_codes.h) that presses the button, 0 for none
  Rules rules;           // its tooltip
  const char* accessibleName;  // UTF-8; nullptr where its caption is read
  Part part;
};

struct CommandPanelTable {
  Panel panel;
  const char* name;  // its objectName
  TwipsRect place;   // on the map
  const char* accessibleName;
  std::span<const PanelControl> controls;
};

// The key code of a keypad digit.
constexpr int keypad(int digit) { return vk::kNumpad0 + digit; }

// Every command panel's table, pic2 first.
std::span<const CommandPanelTable> commandPanelTables();

// The row of the button on the panel that the key code presses, or nullptr.
const PanelControl* buttonForKey(Panel panel, int code);

// The command panels built from the tables on the map surface, hidden. A click on a button
// hands its action to perform, which the keys call as well.
class CommandPanels {
 public:
  CommandPanels(QWidget* surface, const Game& g, std::function<void(const CommandAction&)> perform);

  QWidget* panel(Panel p) const { return panels_[static_cast<int>(p)]; }
  QLabel* text(Part part) const;
  QLineEdit* box(Part part) const;
  QListWidget* list(Part part) const;
  // The keyboard's place when the panel opens.
  QPushButton* firstButton(Panel p) const { return firstButtons_[static_cast<int>(p)]; }

 private:
  std::array<QWidget*, 8> panels_{};  // by Panel
  std::array<QPushButton*, 8> firstButtons_{};
  std::array<QWidget*, kPartCount> parts_{};
};

}  // namespace velmora::ui
