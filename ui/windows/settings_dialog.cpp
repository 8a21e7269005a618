#include "ui/windows/settings_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/game.h"
#include "core/scenario.h"
#include "core/settings.h"
#include "ui/app/app_setup.h"
#include "ui/common/twips.h"
#include "ui/common/widgets_util.h"
#include "ui/port/message_hold.h"
#include "ui/port/qt_port.h"
#include "ui/windows/rules_text.h"

namespace velmora::ui {

namespace {

// The houses one may play: those of the running game, or before the first game those of the
// opening scenario, which a game of its own sets up for the asking.
QStringList houseNames(const GameState& s) {
  QStringList names;
  for (int n = 1; n <= kNationCount; ++n) names << qs(s.nations[n].name);
  return names;
}

QStringList houseNames(const Game& g) {
  if (g.started) return houseNames(g.state);
  QStringList names;
  for (const std::string& name : openingHouseNames()) names << qs(name);
  return names;
}

// "*" and an empty box are the ways to watch that need no question.
bool watchesByChoice(const QString& house) {
  return house.isEmpty() || house == QStringLiteral("*");
}

}  // namespace

SettingsDialog::SettingsDialog(Game& g, QtPort& port, QWidget* parent)
    : QDialog(parent), g_(g), port_(port) {
  setObjectName(QStringLiteral("SetGame"));
  setWindowTitle(QString::fromUtf8("設定画面"));
  setFixedSize(tw(4545), tw(2640));
  // A size smaller than the main window's: the long captions then fit their places.
  QFont small = gameFont();
  small.setPixelSize(11);
  setFont(small);

  auto* speedFrame = new QGroupBox(QString::fromUtf8("メッセージスピード"), this);
  speedFrame->setObjectName(QStringLiteral("Frame1"));
  speedFrame->setGeometry(twRect(0, 0, 4095, 855));
  // The four speeds stand 88 pixels apart from the frame's edge: "1.かなり速い" with its circle
  // reaches the next circle unless the captions are a size smaller and closer to their circles.
  QFont speedFont = small;
  speedFont.setPixelSize(10);
  speedFrame->setStyleSheet(QStringLiteral("QRadioButton { spacing: 3px; }"));
  speeds_ = new QButtonGroup(this);
  const char* kCaptions[4] = {"1.かなり速い", "2..速い", "3.普通", "4.遅い"};
  const int kLefts[4] = {120, 1320, 2160, 3000};
  const int kWidths[4] = {1335, 855, 855, 855};
  for (int i = 0; i < 4; ++i) {
    QRadioButton* option = speedOptions_[i] =
        new QRadioButton(QString::fromUtf8(kCaptions[i]), speedFrame);
    option->setObjectName(QStringLiteral("Option1(%1)").arg(i));
    option->setGeometry(twRect(kLefts[i], 360, kWidths[i], 255));
    option->setFont(speedFont);
    speeds_->addButton(option, i);
  }

  enterAdvanceBox_ =
      new QCheckBox(QString::fromUtf8("5.メッセージEnter送り(チェックなしは、1ターン自動)"), this);
  enterAdvanceBox_->setObjectName(QStringLiteral("Check1"));
  enterAdvanceBox_->setGeometry(twRect(120, 960, 4335, 255));
  // Whenever the box really changes, by a click, a key, the reset or the loading below.
  connect(enterAdvanceBox_, &QCheckBox::toggled, this,
          [this](bool on) { setEnterAdvance(g_.state, on); });

  QLabel* houseCaption = addLabel(this, QStringLiteral("Label1"),
                                  QString::fromUtf8("6.プレイヤーキャラクターは？"), 120, 1320);
  houseBox_ = new QLineEdit(this);
  houseBox_->setObjectName(QStringLiteral("Text1"));
  // Screen readers name the box by its caption.
  houseCaption->setBuddy(houseBox_);
  houseBox_->setGeometry(twRect(120, 1560, 3735, 375));
  houseBox_->installEventFilter(this);
  describe(houseBox_, houseBoxRules(houseNames(g_)));

  auto* reset = new QPushButton(QString::fromUtf8("初期設定に戻す"), this);
  reset->setObjectName(QStringLiteral("Command2"));
  reset->setGeometry(twRect(120, 2040, 1455, 375));
  connect(reset, &QPushButton::clicked, this, &SettingsDialog::resetToDefaults);
  auto* help = new QPushButton(QString::fromUtf8("ヘルプ"), this);
  help->setObjectName(QStringLiteral("cmdSetGameHelp"));
  help->setGeometry(twRect(1680, 2040, 855, 375));
  connect(help, &QPushButton::clicked, this, [this] {
    port_.showInfo(QString::fromUtf8("ボタン、チェックボックスを選ぶときテンキーでも選べます"));
  });
  auto* ok = new QPushButton(QString::fromUtf8("ＯＫですか"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setGeometry(twRect(3000, 2040, 975, 375));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &SettingsDialog::pressOk);

  // Tab order: OK first, then the first speed, the house, the box, the reset, the other speeds
  // and the help.
  QWidget* order[] = {ok,    speedOptions_[0], houseBox_,        enterAdvanceBox_,
                      reset, speedOptions_[1], speedOptions_[2], speedOptions_[3],
                      help};
  for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

  showChoice(openSettings(g_.state));
  ok->setFocus();
}

void SettingsDialog::chooseSpeed(int index) {
  if (index >= 0 && index < 4) speedOptions_[index]->setChecked(true);
}

void SettingsDialog::toggleEnterAdvance() { enterAdvanceBox_->toggle(); }

void SettingsDialog::focusHouseBox() { houseBox_->setFocus(); }

void SettingsDialog::showChoice(const SettingsChoice& choice) {
  chooseSpeed(choice.speedIndex);
  enterAdvanceBox_->setChecked(choice.enterAdvance);
  houseBox_->setText(qs(choice.houseName));
}

bool SettingsDialog::eventFilter(QObject* obj, QEvent* e) {
  // The house box selects all its text whenever it gains the focus, so that typing replaces it.
  if (obj == houseBox_ && e->type() == QEvent::FocusIn) {
    callLater(houseBox_, [box = houseBox_] { box->selectAll(); });
  }
  return QDialog::eventFilter(obj, e);
}

void SettingsDialog::keyPressEvent(QKeyEvent* e) {
  // The dialog has no Cancel: Escape must not close it (at start-up that would end the game).
  if (e->key() == Qt::Key_Escape && !cancellable_) {
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

void SettingsDialog::pressOk() {
  // A name that is no house would silently make the player a spectator: asked before any of
  // the OK's steps, and on Cancel nothing is stored and the name is there to be typed over.
  const QString house = houseBox_->text();
  if (!watchesByChoice(house) && !houseNames(g_).contains(house)) {
    MessageBoxRequest box;
    box.text = ss(noHouseQuestion(house));
    box.buttons = BoxButtons::OkCancel;
    if (port_.ask(box) == BoxResult::Cancel) {
      // Back to the dialog, also where no window manager hands the focus back after the box.
      activateWindow();
      houseBox_->setFocus();
      houseBox_->selectAll();
      return;
    }
  }
  SettingsChoice choice;
  choice.speedIndex = speeds_->checkedId();
  choice.enterAdvance = enterAdvanceBox_->isChecked();
  choice.houseName = ss(houseBox_->text());
  houseBox_->setText(qs(confirmSettings(g_.state, choice)));
  accept();
  emit confirmed();
}

void SettingsDialog::resetToDefaults() {
  MessageBoxRequest box;
  box.text = "初期設定に戻します。\nよろしいですか?";
  box.buttons = BoxButtons::OkCancel;
  if (port_.ask(box) == BoxResult::Cancel) return;
  showChoice(defaultSettings());
}

}  // namespace velmora::ui
