#include "ui/main/command_panels.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <vector>

#include "ui/common/twips.h"
#include "ui/common/widgets_util.h"
#include "ui/main/entry_rules.h"
#include "ui/windows/rules_text.h"

namespace velmora::ui {

namespace {

constexpr CommandAction show(Panel panel) {
  return {CommandAction::ShowPanel, panel, CommandKind::None};
}
constexpr CommandAction choose(CommandKind kind) {
  return {CommandAction::ChooseOrder, Panel::Order, kind};
}
constexpr CommandAction kConfirmOrder{CommandAction::ConfirmOrder};
constexpr CommandAction kConfirmDelegation{CommandAction::ConfirmDelegation};
constexpr CommandAction kExplainTargetKeys{CommandAction::ExplainTargetKeys};

constexpr PanelControl button(const char* name, const char* caption, TwipsRect place,
                              CommandAction action, int key, Rules rules = Rules::None) {
  return {ControlKind::Button, name, caption, place, action, key, rules, nullptr, Part::None};
}
constexpr PanelControl text(const char* name, const char* words, TwipsRect place,
                            Part part = Part::None) {
  return {ControlKind::Text, name, words, place, {}, 0, Rules::None, nullptr, part};
}
constexpr PanelControl note(const char* name, const char* words, TwipsRect place) {
  return {ControlKind::Note, name, words, place, {}, 0, Rules::None, nullptr, Part::None};
}
constexpr PanelControl box(const char* name, TwipsRect place, Rules rules,
                           const char* accessibleName, Part part) {
  return {ControlKind::Box, name, "", place, {}, 0, rules, accessibleName, part};
}
constexpr PanelControl list(const char* name, TwipsRect place, const char* accessibleName,
                            Part part) {
  return {ControlKind::List, name, "", place, {}, 0, Rules::None, accessibleName, part};
}

constexpr int kNoKey = 0;

// One table a panel, a row a control, in the order they are built. The rows read:
//   button(name, caption, place, action, key, rules)
//   text(name, words, place, part), note(name, words, place)
//   box(name, place, rules, accessible name, part), list(name, place, accessible name, part)
// clang-format off
// pic2: whose turn it is and the first choice of the order.
constexpr PanelControl kOrderControls[] = {
    text("lblPic2Heading", "プレイヤーの番です", {120, 0}),
    text("lblPic2", "", {120, 240}, Part::ProvinceName),
    button("cmdGunji", "1.軍事系", {0, 600, 1095, 375}, show(Panel::Military), keypad(1), Rules::MilitaryGroup),
    button("cmdSeiji", "2.政治系", {0, 1080, 1095, 375}, show(Panel::Political), keypad(2), Rules::PoliticalGroup),
    button("cmdNothing", "3.何もしない", {0, 1560, 1095, 375}, choose(CommandKind::DoNothing), keypad(3), Rules::Order),
};

// pic3: the military orders.
constexpr PanelControl kMilitaryControls[] = {
    button("cmdIdo", "1.移動", {120, 120, 975, 255}, choose(CommandKind::Move), keypad(1), Rules::Order),
    button("cmdSento", "2.戦闘", {120, 480, 975, 255}, choose(CommandKind::Attack), keypad(2), Rules::Order),
    button("cmdHeizokyo", "3.兵増強", {1320, 120, 975, 255}, choose(CommandKind::RaiseTroops), keypad(3), Rules::Order),
    button("cmdBusouzokyo", "4.武装強化", {1320, 480, 975, 255}, choose(CommandKind::RaiseArms), keypad(4), Rules::Order),
    button("cmdReturnGunji", "5.戻る", {120, 840, 975, 255}, show(Panel::Order), keypad(5)),
};

// pic4: the political orders.
constexpr PanelControl kPoliticalControls[] = {
    button("cmdKokuryoku", "1.国力増大", {120, 120, 975, 255}, choose(CommandKind::RaisePower), keypad(1), Rules::Order),
    button("cmdMachi", "2.町増築", {120, 480, 975, 255}, choose(CommandKind::BuildTown), keypad(2), Rules::Order),
    button("cmdSiro", "3.城普請", {120, 840, 975, 255}, choose(CommandKind::BuildCastle), keypad(3), Rules::Order),
    button("cmdUri", "4.食料売り", {1320, 120, 975, 255}, choose(CommandKind::SellFood), keypad(4), Rules::Order),
    button("cmdKai", "5.食料買い", {1320, 480, 975, 255}, choose(CommandKind::BuyFood), keypad(5), Rules::Order),
    button("cmdReturnSeiji", "6.戻る", {1320, 840, 975, 255}, show(Panel::Order), keypad(6)),
};

// pic5: the amount of an order.
constexpr PanelControl kAmountControls[] = {
    text("lblPic5", "", {120, 240}, Part::AmountHeading),
    text("lblSouba", "", {120, 600}, Part::MarketNote),
    text("lblPic5Amount", "投資額", {360, 840}),
    box("txtPic5", {960, 840, 1095, 270}, Rules::AmountBox, "投資額", Part::AmountBox),
    button("cmdOkpic5", "OK", {960, 1200, 1095, 375}, kConfirmOrder, vk::kEnter),
    button("cmdCancelpic5", "Cancel", {960, 1680, 1095, 375}, show(Panel::Order), vk::kDecimal),
};

// pic6: the target of a move or an attack, and what goes with it.
constexpr PanelControl kTargetControls[] = {
    text("lblPic6", "", {120, 0}, Part::TargetHeading),
    text("lblPic6Target", "移動先は?", {120, 360}),
    list("lstPic6", {120, 600, 1215, 600}, "移動先は?", Part::TargetList),
    button("cmdOkpic6", "OK", {120, 1200, 1215, 375}, kConfirmOrder, vk::kEnter),
    button("cmdCancelpic6", "Cancel", {120, 1560, 1215, 375}, show(Panel::Order), vk::kDecimal),
    button("cmdSentoHelp", "ヘルプ", {120, 1920, 1215, 255}, kExplainTargetKeys, kNoKey),
    text("lblPic6Troops", "兵力数は?", {1920, 120}),
    text("lblPic6Food", "食料の数は?", {1920, 720}),
    text("lblPic6Gold", "金の数は?", {1920, 1560}),
    box("txtPic6(0)", {1920, 360, 855, 270}, Rules::TroopsBox, "兵力数は?", Part::TroopsBox),
    box("txtPic6(1)", {1920, 1080, 855, 270}, Rules::FoodBox, "食料の数は?", Part::FoodBox),
    box("txtPic6(2)", {1920, 1800, 855, 270}, Rules::GoldBox, "金の数は?", Part::GoldBox),
};

// pic7: the provinces to hand over to the computer or take back.
constexpr PanelControl kDelegationControls[] = {
    text("lblPic7", "", {120, 240, 1335, 255}, Part::DelegationHeading),
    list("lstPic7", {120, 600, 1335, 1320}, "委任/委任解除", Part::DelegationList),
    button("cmdOkPic7", "OK", {1680, 360, 1215, 375}, kConfirmDelegation, vk::kEnter),
    button("cmdCancelPic7", "Cancel", {1680, 960, 1215, 375}, show(Panel::Order), vk::kDecimal),
    note("lblPic7Note", "設定したらCancelでもどります", {1680, 1440, 1215, 615}),
};

// Every panel stands where the message panel does.
constexpr CommandPanelTable kPanels[] = {
    {Panel::Order, "pic2", {0, 0, 3135, 2295}, "プレイヤーの番です", kOrderControls},
    {Panel::Military, "pic3", {0, 0, 3135, 2295}, "軍事系", kMilitaryControls},
    {Panel::Political, "pic4", {0, 0, 3135, 2295}, "政治系", kPoliticalControls},
    {Panel::Amount, "pic5", {0, 0, 3135, 2295}, "投資額", kAmountControls},
    {Panel::Target, "pic6", {0, 0, 3135, 2295}, "移動先は?", kTargetControls},
    {Panel::Delegation, "pic7", {0, 0, 3135, 2295}, "委任/委任解除", kDelegationControls},
};
// clang-format on

QRect rectOf(const TwipsRect& r) { return twRect(r.left, r.top, r.width, r.height); }

// The rules a button says once and for all.
QString buttonRules(const PanelControl& c) {
  switch (c.rules) {
    case Rules::MilitaryGroup:
      return militaryGroupRules();
    case Rules::PoliticalGroup:
      return politicalGroupRules();
    case Rules::Order:
      return orderRules(c.action.order);
    default:
      return QString();
  }
}

// What a box holds for the pending order, whose rules describe it as its panel is shown.
RulesEntry boxEntry(Rules rules) {
  switch (rules) {
    case Rules::TroopsBox:
      return RulesEntry::Troops;
    case Rules::FoodBox:
      return RulesEntry::Food;
    case Rules::GoldBox:
      return RulesEntry::Gold;
    default:
      return RulesEntry::Amount;
  }
}

QPushButton* orderButton(QWidget* panel, const PanelControl& c) {
  auto* button = new QPushButton(QString::fromUtf8(c.caption), panel);
  button->setObjectName(QLatin1String(c.name));
  button->setGeometry(rectOf(c.place));
  // At the window's 12 pixels "3.何もしない" fills its 73-pixel button and the order captions
  // their 65 pixels, and the style's margins cut off the first and last characters.
  QFont captionFont = button->font();
  captionFont.setPixelSize(11);
  button->setFont(captionFont);
  return button;
}

QLabel* panelText(QWidget* panel, const PanelControl& c) {
  QLabel* label = addLabel(panel, QLatin1String(c.name), QString::fromUtf8(c.caption), c.place.left,
                           c.place.top, c.place.width, c.place.height);
  setBackground(label, kPanelTextColour);
  return label;
}

QLabel* panelNote(QWidget* panel, const PanelControl& c) {
  QLabel* note = panelText(panel, c);
  // Three lines in its 41 pixels: a smaller font with its lines set closer, a pixel clear of
  // the box's edges.
  QFont noteFont = note->font();
  noteFont.setPixelSize(10);
  note->setFont(noteFont);
  note->setMargin(1);
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setCloseLines(note, 85);
  return note;
}

QLineEdit* textBox(QWidget* panel, const PanelControl& c) {
  auto* box = new QLineEdit(panel);
  box->setObjectName(QLatin1String(c.name));
  box->setGeometry(rectOf(c.place));
  box->setTextMargins(0, 0, 0, 0);
  return box;
}

QListWidget* listBox(QWidget* panel, const PanelControl& c) {
  auto* list = new QListWidget(panel);
  list->setObjectName(QLatin1String(c.name));
  list->setGeometry(rectOf(c.place));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

}  // namespace

std::span<const CommandPanelTable> commandPanelTables() { return kPanels; }

const PanelControl* buttonForKey(Panel panel, int code) {
  if (code == kNoKey) return nullptr;
  for (const CommandPanelTable& table : kPanels) {
    if (table.panel != panel) continue;
    for (const PanelControl& c : table.controls) {
      if (c.kind == ControlKind::Button && c.key == code) return &c;
    }
  }
  return nullptr;
}

CommandPanels::CommandPanels(QWidget* surface, const Game& g,
                             std::function<void(const CommandAction&)> perform) {
  for (const CommandPanelTable& table : kPanels) {
    const TwipsRect& at = table.place;
    QFrame* panel = addPanel(surface, table.name, at.left, at.top, at.width, at.height);
    panel->setAccessibleName(QString::fromUtf8(table.accessibleName));
    panels_[static_cast<int>(table.panel)] = panel;
    std::vector<EntryRules::Box> described;
    for (const PanelControl& c : table.controls) {
      QWidget* w = nullptr;
      switch (c.kind) {
        case ControlKind::Button: {
          QPushButton* button = orderButton(panel, c);
          if (c.rules != Rules::None) describe(button, buttonRules(c));
          QObject::connect(button, &QPushButton::clicked, button,
                           [perform, action = c.action] { perform(action); });
          QPushButton*& first = firstButtons_[static_cast<int>(table.panel)];
          if (!first) first = button;
          w = button;
          break;
        }
        case ControlKind::Text:
          w = panelText(panel, c);
          break;
        case ControlKind::Note:
          w = panelNote(panel, c);
          break;
        case ControlKind::Box: {
          QLineEdit* entry = textBox(panel, c);
          if (c.rules != Rules::None) described.push_back({entry, boxEntry(c.rules)});
          w = entry;
          break;
        }
        case ControlKind::List:
          w = listBox(panel, c);
          break;
      }
      if (c.accessibleName) w->setAccessibleName(QString::fromUtf8(c.accessibleName));
      if (c.part != Part::None) parts_[static_cast<int>(c.part)] = w;
    }
    if (!described.empty()) new EntryRules(g, panel, std::move(described));
    panel->hide();
  }
}

QLabel* CommandPanels::text(Part part) const {
  return qobject_cast<QLabel*>(parts_[static_cast<int>(part)]);
}

QLineEdit* CommandPanels::box(Part part) const {
  return qobject_cast<QLineEdit*>(parts_[static_cast<int>(part)]);
}

QListWidget* CommandPanels::list(Part part) const {
  return qobject_cast<QListWidget*>(parts_[static_cast<int>(part)]);
}

}  // namespace velmora::ui
