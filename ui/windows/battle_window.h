#pragma once

#include <QDialog>
#include <QPointer>
#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QWidget;

namespace velmora {
struct Game;
}  // namespace velmora

namespace velmora::ui {

class NationWindow;

// frmCombat: a battle the player's house takes part in. Loading it starts the
// battle; the player picks a tactic once, then every OK plays one round until
// the settlement closes the window. Opened modally; the window's own close box
// is refused.
class BattleWindow : public QDialog {
  Q_OBJECT

 public:
  BattleWindow(velmora::Game& g, QWidget* parent = nullptr);
  ~BattleWindow() override;

  // Redraws both sides' figures from the battle state.
  void refresh();

  // The settlement (or the emergency quit) closes the window.
  void closeFromGame();

  // Where the nation window opened from the menu scrolls the map to.
  void setScrollToProvince(std::function<void(int)> scrollToProvince);

  // The close box and Escape are refused.
  void reject() override;

  // The first showing loads the window (starts the battle) once it has been shown.
  void setVisible(bool visible) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void load();
  void chooseTactic(int k);
  void playRound();
  void openNationWindow();
  void emergencyQuit();

  velmora::Game& game_;
  std::function<void(int)> scrollToProvince_;
  bool loaded_ = false;
  bool tacticChosen_ = false;
  bool closingFromGame_ = false;

  std::array<QPushButton*, 5> com_{};
  QPushButton* ok_ = nullptr;                     // cmdComOk
  std::array<std::array<QLabel*, 7>, 6> grid_{};  // lbl1..lbl5, index 1..5
  std::array<QLabel*, 7> heads_{};                // Label11, the column heads
  std::array<QLabel*, 5> attackerFigures_{};      // lblAt(0..4)
  std::array<QLabel*, 5> defenderFigures_{};      // lblDef(0..4)
  QWidget* attackerBox_ = nullptr;                // picAt
  QWidget* attackerBar_ = nullptr;                // picAtline
  QWidget* defenderBox_ = nullptr;                // picDef
  QWidget* defenderBar_ = nullptr;                // picDefline
  QPointer<NationWindow> nationWindow_;
};

}  // namespace velmora::ui
