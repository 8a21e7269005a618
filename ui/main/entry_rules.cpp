#include "ui/main/entry_rules.h"

#include <QEvent>
#include <QLineEdit>
#include <QWidget>

#include "core/game_view.h"

namespace velmora::ui {

EntryRules::EntryRules(const Game& g, QWidget* panel, std::vector<Box> boxes)
    : QObject(panel), g_(g), boxes_(std::move(boxes)) {
  panel->installEventFilter(this);
}

bool EntryRules::eventFilter(QObject* obj, QEvent* e) {
  if (e->type() == QEvent::Show) describeBoxes();
  return QObject::eventFilter(obj, e);
}

void EntryRules::describeBoxes() {
  const CommandKind kind = pendingOrder(g_);
  for (const Box& b : boxes_) {
    describe(b.box,
             b.entry == RulesEntry::Amount ? amountBoxRules(kind) : targetBoxRules(kind, b.entry));
  }
}

}  // namespace velmora::ui
