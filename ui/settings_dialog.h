#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "core/game.h"
#include "core/settings.h"

namespace velmora::ui {

class QtPort;

// SetGame: message speed, advance mode and the player's house. Not modal; its OK stores the
// choice and emits confirmed().
class SettingsDialog : public QDialog {
  Q_OBJECT
 public:
  SettingsDialog(Game& g, QtPort& port, QWidget* parent = nullptr);

  QGroupBox* Frame1;
  std::array<QRadioButton*, 4> Option1{};
  QCheckBox* Check1;
  QLabel* Label1;
  QLineEdit* Text1;
  QPushButton* Command2;
  QPushButton* cmdSetGameHelp;
  QPushButton* Command1;

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
};

}  // namespace velmora::ui
