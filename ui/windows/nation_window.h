#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class QListWidget;

namespace velmora {
struct Game;
}  // namespace velmora

namespace velmora::ui {

// frmNation: every house's character and battle record above a legend. Choosing a house
// scrolls the map to each of its provinces and closes the window. The lines are those of the
// moment the window was built; it changes nothing in the game.
class NationWindow : public QDialog {
  Q_OBJECT

 public:
  NationWindow(velmora::Game& g, std::function<void(int)> scrollToProvince,
               QWidget* parent = nullptr);

 private:
  void fillLists();
  void houseChosen();

  velmora::Game& game_;
  std::function<void(int)> scrollToProvince_;
  QListWidget* heading_ = nullptr;  // LL
  QListWidget* houses_ = nullptr;   // lstName
  QStringList houseNames_;          // the house of each line, as it was filled
};

}  // namespace velmora::ui
