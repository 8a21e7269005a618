#include "ui/windows/battle_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>

#include "combat/battle.h"
#include "combat/tactics.h"
#include "core/game.h"
#include "core/message_port.h"
#include "core/terms.h"
#include "game/turn_cycle.h"
#include "ui/app/app_setup.h"
#include "ui/common/twips.h"
#include "ui/common/widgets_util.h"
#include "ui/main/key_codes.h"
#include "ui/windows/nation_window.h"
#include "ui/windows/window_opening.h"

namespace {

using velmora::ui::addLabel;
using velmora::ui::setBackgroundWithBlackText;
using velmora::ui::setCloseLines;
using velmora::ui::twRect;

QString indexed(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QString::fromLatin1(name)).arg(index);
}

// A coloured box of the battle window; its text stays black whatever the desktop's colours.
// Battle window pixel sizes of the fixed labels, which the layout gives only as
// positions.
constexpr int kCaptionWidth = 945;
constexpr int kFigureWidth = 1215;
constexpr int kLineHeight = 240;

// The two morale bars' boxes.
constexpr int kBarBoxWidth = 1455;
constexpr int kBarBoxHeight = 255;

}  // namespace

namespace velmora::ui {

BattleWindow::BattleWindow(velmora::Game& g, QWidget* parent) : QDialog(parent), game_(g) {
  setObjectName(QStringLiteral("frmCombat"));
  setWindowTitle(QString::fromUtf8("戦闘画面"));
  useGameFont(this);

  auto* menu = new QMenuBar(this);
  QAction* nation = menu->addAction(QString::fromUtf8("国家情報(&K)"));
  nation->setObjectName(QStringLiteral("mnuNation"));
  connect(nation, &QAction::triggered, this, &BattleWindow::openNationWindow);
  QAction* quit = menu->addAction(QString::fromUtf8("緊急終了(&Q)"));
  quit->setObjectName(QStringLiteral("mnuCombatQuit"));
  connect(quit, &QAction::triggered, this, &BattleWindow::emergencyQuit);

  QWidget* client = fixedClientBelowMenu(this, menu, 5085, 5160);

  addLabel(client, QStringLiteral("Label13"), QString::fromUtf8("↓自軍の態勢"), 120, 240, 1575,
           kLineHeight);
  const char* captions[5] = {"1.通常攻撃", "2.突撃", "3.包囲", "4.射撃", "5.防御"};
  for (int k = 0; k < 5; ++k) {
    com_[k] = new QPushButton(QString::fromUtf8(captions[k]), client);
    com_[k]->setObjectName(indexed("com", k));
    com_[k]->setGeometry(twRect(120, 600 + 480 * k, 1575, 375));
    connect(com_[k], &QPushButton::clicked, this, [this, k] { chooseTactic(k); });
  }
  ok_ = new QPushButton(QStringLiteral("OK"), client);
  ok_->setObjectName(QStringLiteral("cmdComOk"));
  ok_->setGeometry(twRect(120, 3000, 1575, 375));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &BattleWindow::playRound);

  QLabel* explanation = addLabel(
      client, QStringLiteral("Label12"),
      QString::fromUtf8("敵に損害を与える値と敵側の態勢に対する士気低下のボーナス値　　　↓"), 1800,
      120, 2175, 615);
  explanation->setWordWrap(true);
  QLabel* supply = addLabel(client, QStringLiteral("Label14"),
                            QString::fromUtf8("↓金、米の消費パーセント"), 4080, 120, 855, 615);
  supply->setWordWrap(true);
  // Three lines of the window's font would not fit these two boxes, nor two characters the
  // narrow column heads. Even at 10 pixels the font's own line height takes three lines 4
  // pixels past the 41-pixel boxes, under the grid's first row: the lines are set closer, and
  // the blanks before the arrow are kept.
  QFont small = gameFont();
  small.setPixelSize(10);
  for (QLabel* text : {explanation, supply}) {
    text->setFont(small);
    setCloseLines(text, 85);
  }

  const char* heads[7] = {"威力", "通常", "突撃", "包囲", "射撃", "防御", "消費"};
  for (int k = 0; k < 7; ++k) {
    QLabel* head = heads_[k] = addLabel(client, indexed("Label11", k), QString::fromUtf8(heads[k]),
                                        1800 + 360 * k, 3000, 375, 495);
    head->setWordWrap(true);
    head->setFont(small);
    head->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackgroundWithBlackText(head, velmora::ui::kPanelTextColour);
  }
  const int rowTops[6] = {0, 720, 1200, 1680, 2160, 2640};
  for (int n = 1; n <= 5; ++n) {
    for (int k = 0; k < 7; ++k) {
      QLabel* cell = addLabel(client, indexed(qPrintable(QStringLiteral("lbl%1").arg(n)), k),
                              QString(), 1800 + 360 * k, rowTops[n], 375, 255);
      cell->setAlignment(Qt::AlignCenter);
      setBackgroundWithBlackText(cell, k == 0 ? QColor(255, 192, 192) : QColor(Qt::white));
      grid_[n][k] = cell;
    }
  }

  struct Row {
    const char* attackerCaption;
    const char* attackerName;
    const char* defenderCaption;
    const char* defenderName;
    int top;
  };
  const Row rows[5] = {{"攻撃側作戦", "Label5", "防御側作戦", "Label6", 3600},
                       {"攻撃側士気", "Label1", "防御側士気", "Label3", 3840},
                       {"攻撃側兵力", "Label2", "防御側兵力", "Label4", 4080},
                       {"攻撃側国", "Label7", "防御側国", "Label9", 4680},
                       {"攻撃側街", "Label8", "防御側街", "Label10", 4920}};
  for (int e = 0; e < 5; ++e) {
    const Row& r = rows[e];
    addLabel(client, QString::fromLatin1(r.attackerName), QString::fromUtf8(r.attackerCaption), 120,
             r.top, kCaptionWidth, kLineHeight);
    addLabel(client, QString::fromLatin1(r.defenderName), QString::fromUtf8(r.defenderCaption),
             2400, r.top, kCaptionWidth, kLineHeight);
    attackerFigures_[e] =
        addLabel(client, indexed("lblAt", e), QString(), 1080, r.top, kFigureWidth, kLineHeight);
    defenderFigures_[e] =
        addLabel(client, indexed("lblDef", e), QString(), 3360, r.top, kFigureWidth, kLineHeight);
  }
  // Until a tactic is chosen both tactic names read 0.
  attackerFigures_[0]->setText(QStringLiteral("0"));
  defenderFigures_[0]->setText(QStringLiteral("0"));

  // Each bar is read as the morale it shows, by the caption of that figure.
  auto bar = [client](const char* boxName, const char* barName, const char* caption, int left,
                      const QColor& colour, QWidget*& box, QWidget*& line) {
    box = new QWidget(client);
    box->setObjectName(QString::fromLatin1(boxName));
    box->setAccessibleName(QString::fromUtf8(caption));
    box->setGeometry(twRect(left, 4320, kBarBoxWidth, kBarBoxHeight));
    setBackgroundWithBlackText(box, Qt::white);
    line = new QWidget(box);  // a child, so that a morale above 100 is cut off by the box
    line->setObjectName(QString::fromLatin1(barName));
    line->setAccessibleName(QString::fromUtf8(caption));
    line->setGeometry(0, 0, 0, box->height());
    setBackgroundWithBlackText(line, colour);
  };
  bar("picAt", "picAtline", rows[1].attackerCaption, 120, QColor(255, 128, 0), attackerBox_,
      attackerBar_);
  bar("picDef", "picDefline", rows[1].defenderCaption, 2400, QColor(0, 255, 255), defenderBox_,
      defenderBar_);

  // The window sees every key before its controls: the key arrives first at the
  // window object.
  qApp->installEventFilter(this);
}

BattleWindow::~BattleWindow() { qApp->removeEventFilter(this); }

void BattleWindow::setScrollToProvince(std::function<void(int)> scrollToProvince) {
  scrollToProvince_ = std::move(scrollToProvince);
}

void BattleWindow::setVisible(bool visible) {
  QDialog::setVisible(visible);
  // Not from its show event: the opening lines of a computer's attack hold there, and a hold
  // lets the window system's events in, which must not come while Qt is still showing the
  // window (under load the window was left a sliver of its size). Now they hold with it on
  // the screen.
  if (visible && !loaded_) {
    loaded_ = true;
    load();
  }
}

void BattleWindow::load() {
  velmora::startBattle(game_);
  for (int n = 1; n <= 5; ++n) {
    for (int k = 0; k < 7; ++k) {
      // Read out with its row's tactic and its column's head; a bare number says nothing.
      setFigure(grid_[n][k], com_[n - 1]->text() + QLatin1Char(' ') + heads_[k]->text(),
                QString::number(velmora::tacticTableValue(game_, n, k)));
    }
  }
  refresh();
  ok_->setEnabled(false);
  for (QPushButton* button : com_) button->setEnabled(true);
}

void BattleWindow::refresh() {
  const velmora::BattleState& b = game_.battle;
  const auto valid = [](int p) { return p >= 1 && p <= velmora::kProvinceCount; };
  if (!valid(b.attacker) || !valid(b.target)) return;
  const velmora::Province& attacker = game_.state.provinces[b.attacker];
  const velmora::Province& target = game_.state.provinces[b.target];
  attackerFigures_[3]->setText(QString::fromStdString(attacker.lord));
  defenderFigures_[3]->setText(QString::fromStdString(target.lord));
  attackerFigures_[4]->setText(QString::fromStdString(attacker.name));
  defenderFigures_[4]->setText(QString::fromStdString(target.name));
  attackerFigures_[1]->setText(QString::number(b.attackerMorale));
  defenderFigures_[1]->setText(QString::number(b.defenderMorale));
  attackerFigures_[2]->setText(QString::number(b.fieldTroops));
  defenderFigures_[2]->setText(QString::number(target.troops));
  // A hundredth of the box per point of morale; the box cuts off anything above
  // 100.
  attackerBar_->resize(tw(kBarBoxWidth / 100.0 * b.attackerMorale), attackerBox_->height());
  defenderBar_->resize(tw(kBarBoxWidth / 100.0 * b.defenderMorale), defenderBox_->height());
}

void BattleWindow::chooseTactic(int k) {
  if (tacticChosen_ || game_.ended) return;
  if (!velmora::setPlayerTactic(game_, k)) return;  // refused: the window stays as it was
  tacticChosen_ = true;
  for (QPushButton* button : com_) button->setEnabled(false);
  ok_->setEnabled(true);
  ok_->setFocus();
  attackerFigures_[0]->setText(
      QString::fromStdString(velmora::tacticName(game_.battle.attackerTactic)));
  defenderFigures_[0]->setText(
      QString::fromStdString(velmora::tacticName(game_.battle.defenderTactic)));
}

void BattleWindow::playRound() {
  if (!tacticChosen_ || game_.battle.battleOver || game_.ended) return;
  velmora::resolveRound(game_);
}

void BattleWindow::openNationWindow() {
  // Not modal: the battle waits where it is, and the nation window goes with it.
  openBeside(nationWindow_, [this] { return new NationWindow(game_, scrollToProvince_, this); });
}

void BattleWindow::emergencyQuit() {
  velmora::MessageBoxRequest box;
  box.text = "ゲーム全体を強制終了します。セーブはされません";
  box.buttons = velmora::BoxButtons::OkCancel;
  box.defaultButton = velmora::BoxResult::Cancel;
  box.warning = true;
  if (game_.ui.messages.messageBox(box) != velmora::BoxResult::Ok) return;
  closeFromGame();
  velmora::endGame(game_);
}

void BattleWindow::closeFromGame() {
  closingFromGame_ = true;
  if (nationWindow_) nationWindow_->close();
  done(QDialog::Accepted);
}

void BattleWindow::reject() {
  if (closingFromGame_) QDialog::reject();
}

void BattleWindow::closeEvent(QCloseEvent* event) {
  if (closingFromGame_) {
    QDialog::closeEvent(event);
  } else {
    event->ignore();
  }
}

bool BattleWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWindowType() || watched != windowHandle()) {
    return QDialog::eventFilter(watched, event);
  }
  // Once the tactic is chosen the keys go to the controls as usual (Enter plays
  // a round): the choice cannot be changed any more.
  if (tacticChosen_) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  // A lone modifier, or Alt with a menu letter, is not a tactic key.
  if (isModifierKey(key->key()) || key->modifiers().testFlag(Qt::AltModifier)) {
    return false;
  }
  chooseTactic(virtualKeyCode(*key) - 97);  // keypad 1 is 97; others are refused
  return true;
}

}  // namespace velmora::ui
