#include "ui/settings_dialog.h"

#include <QEvent>
#include <QKeyEvent>
#include <QTimer>

#include "core/settings.h"
#include "ui/qt_port.h"
#include "ui/twips.h"
#include "ui/widgets_util.h"

namespace velmora::ui {

SettingsDialog::SettingsDialog(Game& g, QtPort& port, QWidget* parent)
    : QDialog(parent), g_(g), port_(port) {
  setObjectName(QStringLiteral("SetGame"));
  setWindowTitle(QString::fromUtf8("設定画面"));
  setFixedSize(tw(4545), tw(2640));
  // A size smaller than the main window's: the long captions then fit their places.
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);

  Frame1 = new QGroupBox(QString::fromUtf8("メッセージスピード"), this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  Frame1->setGeometry(twRect(0, 0, 4095, 855));
  // The four speeds stand 88 pixels apart from the frame's edge: "1.かなり速い" with its circle
  // reaches the next circle unless the captions are a size smaller and closer to their circles.
  QFont speedFont = small;
  speedFont.setPixelSize(10);
  Frame1->setStyleSheet(QStringLiteral("QRadioButton { spacing: 3px; }"));
  speeds_ = new QButtonGroup(this);
  const char* kCaptions[4] = {"1.かなり速い", "2..速い", "3.普通", "4.遅い"};
  const int kLefts[4] = {120, 1320, 2160, 3000};
  const int kWidths[4] = {1335, 855, 855, 855};
  for (int i = 0; i < 4; ++i) {
    Option1[i] = new QRadioButton(QString::fromUtf8(kCaptions[i]), Frame1);
    Option1[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
    Option1[i]->setGeometry(twRect(kLefts[i], 360, kWidths[i], 255));
    Option1[i]->setFont(speedFont);
    speeds_->addButton(Option1[i], i);
  }

  Check1 =
      new QCheckBox(QString::fromUtf8("5.メッセージEnter送り(チェックなしは、1ターン自動)"), this);
  Check1->setObjectName(QStringLiteral("Check1"));
  Check1->setGeometry(twRect(120, 960, 4335, 255));
  // Whenever the box really changes, by a click, a key, the reset or the loading below.
  connect(Check1, &QCheckBox::toggled, this, [this](bool on) { setEnterAdvance(g_.state, on); });

  Label1 = addLabel(this, QStringLiteral("Label1"),
                    QString::fromUtf8("6.プレイヤーキャラクターは？"), 120, 1320);
  Text1 = new QLineEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setGeometry(twRect(120, 1560, 3735, 375));
  Text1->installEventFilter(this);

  Command2 = new QPushButton(QString::fromUtf8("初期設定に戻す"), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setGeometry(twRect(120, 2040, 1455, 375));
  connect(Command2, &QPushButton::clicked, this, &SettingsDialog::resetToDefaults);
  cmdSetGameHelp = new QPushButton(QString::fromUtf8("ヘルプ"), this);
  cmdSetGameHelp->setObjectName(QStringLiteral("cmdSetGameHelp"));
  cmdSetGameHelp->setGeometry(twRect(1680, 2040, 855, 375));
  connect(cmdSetGameHelp, &QPushButton::clicked, this, [this] {
    port_.showInfo(QString::fromUtf8("ボタン、チェックボックスを選ぶときテンキーでも選べます"));
  });
  Command1 = new QPushButton(QString::fromUtf8("ＯＫですか"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(twRect(3000, 2040, 975, 375));
  Command1->setDefault(true);
  connect(Command1, &QPushButton::clicked, this, &SettingsDialog::pressOk);

  // Tab order: OK first, then the first speed, the house, the box, the reset, the other speeds
  // and the help.
  QWidget* order[] = {Command1,   Option1[0], Text1,      Check1,        Command2,
                      Option1[1], Option1[2], Option1[3], cmdSetGameHelp};
  for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

  showChoice(openSettings(g_.state));
  Command1->setFocus();
}

void SettingsDialog::showChoice(const SettingsChoice& choice) {
  if (choice.speedIndex >= 0 && choice.speedIndex < 4) Option1[choice.speedIndex]->setChecked(true);
  Check1->setChecked(choice.enterAdvance);
  Text1->setText(qs(choice.houseName));
}

bool SettingsDialog::eventFilter(QObject* obj, QEvent* e) {
  // The house box selects all its text whenever it gains the focus, so that typing replaces it.
  if (obj == Text1 && e->type() == QEvent::FocusIn) {
    QTimer::singleShot(0, Text1, [box = Text1] { box->selectAll(); });
  }
  return QDialog::eventFilter(obj, e);
}

void SettingsDialog::keyPressEvent(QKeyEvent* e) {
  // The dialog has no Cancel: Escape must not close it (at start-up that would end the game).
  if (e->key() == Qt::Key_Escape) {
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

void SettingsDialog::pressOk() {
  SettingsChoice choice;
  choice.speedIndex = speeds_->checkedId();
  choice.enterAdvance = Check1->isChecked();
  choice.houseName = ss(Text1->text());
  Text1->setText(qs(confirmSettings(g_.state, choice)));
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
