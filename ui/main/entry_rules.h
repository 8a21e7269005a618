#pragma once

#include <QObject>
#include <vector>

#include "ui/windows/rules_text.h"

class QLineEdit;

namespace velmora {
struct Game;
}  // namespace velmora

namespace velmora::ui {

// The amount panel's box and the target panel's three boxes mean what the order that opens
// their panel makes of them (投資額 is food for a food sale): each time one of the two
// panels is shown, its boxes take the rules of the pending order as tooltip and accessible
// description.
class EntryRules : public QObject {
 public:
  // A box of the panel and what of the pending order it holds.
  struct Box {
    QLineEdit* box;
    RulesEntry entry;  // Amount, or the target panel's Troops, Food or Gold
  };

  // Watches the panel given, whose child it becomes.
  EntryRules(const Game& g, QWidget* panel, std::vector<Box> boxes);

 protected:
  bool eventFilter(QObject* obj, QEvent* e) override;

 private:
  void describeBoxes();

  const Game& g_;
  std::vector<Box> boxes_;
};

}  // namespace velmora::ui
