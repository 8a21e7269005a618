#pragma once

#include <QObject>

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
  // Watches the panels pic5 and pic6 of the main window given, whose child it becomes.
  EntryRules(const Game& g, QWidget* form);

 protected:
  bool eventFilter(QObject* obj, QEvent* e) override;

 private:
  void describeBoxes(QWidget* panel);

  const Game& g_;
  QWidget* amountPanel_;
  QWidget* targetPanel_;
};

}  // namespace velmora::ui
