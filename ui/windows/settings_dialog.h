#pragma once

#include <QDialog>
#include <array>

#include "core/settings.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace velmora {
struct Game;
}  // namespace velmora

namespace velmora::ui {

class QtPort;

// SetGame: message speed, advance mode and the player's house. Not modal; its OK stores the
// choice and emits confirmed().
class SettingsDialog : public QDialog {
  Q_OBJECT
 public:
  SettingsDialog(Game& g, QtPort& port, QWidget* parent = nullptr);

  // What the dialog's keypad keys do.
  void chooseSpeed(int index);  // 0..3, from the fastest messages
  void toggleEnterAdvance();
  void focusHouseBox();  // which selects its text

  // Opened for a new game, the dialog may be left by Esc as by its close box.
  void setCancellable(bool cancellable) { cancellable_ = cancellable; }

 signals:
  void confirmed();

 protected:
  bool eventFilter(QObject* obj, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void showChoice(const SettingsChoice& choice);
  void pressOk();
  void resetToDefaults();

  Game& g_;
  QtPort& port_;
  QButtonGroup* speeds_;
  std::array<QRadioButton*, 4> speedOptions_{};  // Option1(0..3)
  QCheckBox* enterAdvanceBox_ = nullptr;         // Check1
  QLineEdit* houseBox_ = nullptr;                // Text1
  bool cancellable_ = false;
};

}  // namespace velmora::ui
