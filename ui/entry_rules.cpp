#include "ui/entry_rules.h"

#include <QEvent>
#include <QLineEdit>
#include <QWidget>

#include "core/game_view.h"
#include "ui/rules_text.h"

namespace velmora::ui {

EntryRules::EntryRules(const Game& g, QWidget* form)
    : QObject(form),
      g_(g),
      amountPanel_(form->findChild<QWidget*>(QStringLiteral("pic5"))),
      targetPanel_(form->findChild<QWidget*>(QStringLiteral("pic6"))) {
  for (QWidget* panel : {amountPanel_, targetPanel_}) {
    if (panel) panel->installEventFilter(this);
  }
}

bool EntryRules::eventFilter(QObject* obj, QEvent* e) {
  if (e->type() == QEvent::Show) describeBoxes(static_cast<QWidget*>(obj));
  return QObject::eventFilter(obj, e);
}

void EntryRules::describeBoxes(QWidget* panel) {
  const CommandKind kind = pendingOrder(g_);
  if (panel == amountPanel_) {
    if (auto* box = panel->findChild<QLineEdit*>(QStringLiteral("txtPic5")))
      describe(box, amountBoxRules(kind));
    return;
  }
  const RulesEntry boxes[3] = {RulesEntry::Troops, RulesEntry::Food, RulesEntry::Gold};
  for (int i = 0; i < 3; ++i) {
    if (auto* box = panel->findChild<QLineEdit*>(QStringLiteral("txtPic6(%1)").arg(i)))
      describe(box, targetBoxRules(kind, boxes[i]));
  }
}

}  // namespace velmora::ui
