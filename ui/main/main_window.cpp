#include "ui/main/main_window.h"

#include <algorithm>
#include <initializer_list>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "commands/delegation.h"
#include "core/game_view.h"
#include "core/order_input.h"
#include "core/panels.h"
#include "core/terms.h"
#include "game/orders.h"
#include "game/save_game.h"
#include "game/turn_cycle.h"
#include "ui/app/app_setup.h"
#include "ui/common/twips.h"
#include "ui/common/widgets_util.h"
#include "ui/main/command_panels.h"
#include "ui/main/main_window_names.h"
#include "ui/main/map_surface.h"
#include "ui/main/map_wheel.h"
#include "ui/main/province_panel.h"
#include "ui/port/engine_gate.h"
#include "ui/port/qt_port.h"

namespace velmora::ui {

namespace {

// Selects a row of a list; a row out of range leaves nothing selected (a current row alone
// would still count as a choice).
void selectRow(QListWidget* list, int row) {
  if (row < 0 || row >= list->count()) {
    list->setCurrentRow(-1);
    list->clearSelection();
    return;
  }
  list->setCurrentRow(row);
}

void fillList(QListWidget* list, const QStringList& lines) {
  list->clear();
  list->addItems(lines);
}

// The four help panels: where they stand, their text and their buttons.
struct HelpPanel {
  const char* name;
  int left, top, width, height;
  const char* text;
  const char* closeButton;
  const char* accessibleName;
};

}  // namespace

MainWindow::MainWindow(Game& g, QtPort& port, EngineGate& gate, QWidget* parent)
    : QMainWindow(parent), g_(g), port_(port), gate_(gate) {
  setObjectName(QStringLiteral("Form1"));
  useGameFont(this);
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Form1Client"));
  setCentralWidget(client);

  surface_ = new MapSurface(client);
  for (int p = 1; p <= kProvinceCount; ++p) provincePanels_[p] = new ProvincePanel(p, surface_);
  buildMessagePanel(surface_);
  buildCommandPanels(surface_);
  buildHelpPanels(surface_);
  buildMenus();

  autoPressTimer_ = new QTimer(this);
  autoPressTimer_->setObjectName(QStringLiteral("tmrOkclick"));
  autoPressTimer_->setInterval(10);
  connect(autoPressTimer_, &QTimer::timeout, this,
          [this] { gate_.runTick([this] { autoPressTick(g_); }); });
  lockTimer_ = new QTimer(this);
  lockTimer_->setObjectName(QStringLiteral("tmrOk"));
  lockTimer_->setInterval(10);
  connect(lockTimer_, &QTimer::timeout, this, &MainWindow::lockTimerFired);

  // 13500 x 10000 twips; the window keeps this size, the map scrolls inside it.
  setFixedSize(tw(13500), tw(10000));
  buildScrollBars(client);
  new MapWheel(client, horizontalBar_, hRange_.maximum < 0, verticalBar_, vRange_.maximum < 0);
  // The map and its scroll bars are named by the menu that opens and closes its panels.
  for (QWidget* map : std::initializer_list<QWidget*>{surface_, horizontalBar_, verticalBar_}) {
    map->setAccessibleName(QString::fromUtf8("国情報"));
  }
}

MainWindow::~MainWindow() = default;

void MainWindow::player(std::function<void()> handler) { gate_.runPlayer(std::move(handler)); }

// The controls are read when the press is handled, not when it was made: a press that waits
// behind a running handler sees the panel as that handler left it, as a click would.
void MainWindow::confirmPendingOrder() {
  player([this] { confirmOrder(g_, orderInput()); });
}

void MainWindow::confirmDelegationChoice() {
  player([this] { confirmDelegation(g_, delegationChoice()); });
}

void MainWindow::noteKeyOnMessagePanel() { keySinceLockTick_ = true; }

void MainWindow::lockTimerFired() {
  // The lock exists to refuse the keys that queued while a press was handled, and the lock
  // rule counts on ticks that come only when no input is waiting. Qt fires an overdue tick
  // before the keys that queued during a message hold, so a tick releases the lock only after
  // a whole interval in which no key came: the queued keys are then seen, and refused, first.
  if (keySinceLockTick_) {
    keySinceLockTick_ = false;
    return;
  }
  gate_.runTick([this] { lockTimerTick(g_); });
}

void MainWindow::buildMessagePanel(QWidget* surface) {
  messagePanel_ = addPanel(surface, "pic1", 0, 0, 3735, 2415);
  messagePanel_->setAccessibleName(QString::fromUtf8("メッセージ"));
  const char* kLineNames[3] = {"lblMsg", "lblMsg2", "lblMsg3"};
  const int kLineTops[3] = {120, 480, 840};
  for (int i = 0; i < 3; ++i) {
    messageLines_[i] =
        addLabel(messagePanel_, QLatin1String(kLineNames[i]), QString(), 120, kLineTops[i]);
  }
  for (QLabel* line : messageLines_) setBackground(line, kMessageColour);

  okButton_ = new QPushButton(QStringLiteral("OK"), messagePanel_);
  okButton_->setObjectName(QStringLiteral("cmdOk"));
  okButton_->setGeometry(twRect(120, 1440, 1215, 375));
  connect(okButton_, &QPushButton::clicked, this, [this] { player([this] { pressOk(g_); }); });
  okPrompt_ = new QLabel(QString::fromUtf8("OKをおしてください"), messagePanel_);
  okPrompt_->setObjectName(QStringLiteral("lblOk"));
  // At 12 pixels the prompt runs into the market box beside it.
  QFont promptFont = okPrompt_->font();
  promptFont.setPixelSize(11);
  okPrompt_->setFont(promptFont);
  okPrompt_->move(tw(120), tw(1920));
  okPrompt_->adjustSize();

  auto* picSouba = addPanel(messagePanel_, "picSouba", 1800, 840, 1215, 1335);
  picSouba->setAccessibleName(QString::fromUtf8("相場"));
  addLabel(picSouba, QStringLiteral("lblSoubaHeading"), QString::fromUtf8("相場"), 720, 120);
  priceCaptions_ = {
      addLabel(picSouba, QStringLiteral("lblSoubaKome"), QString::fromUtf8("食料"), 120, 360),
      addLabel(picSouba, QStringLiteral("lblSoubaBuki"), QString::fromUtf8("武器"), 120, 720),
      addLabel(picSouba, QStringLiteral("lblSoubaHei"), QString::fromUtf8("兵"), 120, 1080)};
  foodPrice_ = addLabel(picSouba, QStringLiteral("lblMsgKome"), QString(), 720, 360, 375, 240);
  armsPrice_ = addLabel(picSouba, QStringLiteral("lblMsgBuki"), QString(), 720, 720, 375, 240);
  troopsPrice_ = addLabel(picSouba, QStringLiteral("lblMsgHei"), QString(), 720, 1080, 375, 240);
  // A price is a line of the font high, more than the 240 twips drawn for it with a Japanese
  // font; the box grows to hold the last row and its one-pixel border whole.
  int bottom = 0;
  for (QLabel* price : {foodPrice_, armsPrice_, troopsPrice_}) {
    setBackground(price, Qt::white);
    price->resize(price->width(), std::max(price->height(), price->fontMetrics().height()));
    bottom = std::max(bottom, price->geometry().bottom());
  }
  for (QLabel* caption : picSouba->findChildren<QLabel*>()) {
    bottom = std::max(bottom, caption->geometry().bottom());
  }
  picSouba->resize(picSouba->width(), std::max(picSouba->height(), bottom + 3));
  // The message lines and the prompt stay readable where they reach over the market box.
  for (QLabel* line : messageLines_) line->raise();
  okPrompt_->raise();
}

void MainWindow::buildCommandPanels(QWidget* surface) {
  const CommandPanels built(surface, g_,
                            [this](const CommandAction& action) { runCommand(action); });
  orderPanel_ = built.panel(Panel::Order);
  militaryPanel_ = built.panel(Panel::Military);
  politicalPanel_ = built.panel(Panel::Political);
  amountPanel_ = built.panel(Panel::Amount);
  targetPanel_ = built.panel(Panel::Target);
  delegationPanel_ = built.panel(Panel::Delegation);
  firstOrderButton_ = built.firstButton(Panel::Order);
  provinceName_ = built.text(Part::ProvinceName);
  amountHeading_ = built.text(Part::AmountHeading);
  marketNote_ = built.text(Part::MarketNote);
  amountBox_ = built.box(Part::AmountBox);
  targetHeading_ = built.text(Part::TargetHeading);
  targetList_ = built.list(Part::TargetList);
  targetAmountBoxes_ = {built.box(Part::TroopsBox), built.box(Part::FoodBox),
                        built.box(Part::GoldBox)};
  delegationHeading_ = built.text(Part::DelegationHeading);
  delegationList_ = built.list(Part::DelegationList);
}

void MainWindow::runCommand(const CommandAction& action) {
  switch (action.kind) {
    case CommandAction::ShowPanel:
      player([this, panel = action.panel] { velmora::showPanel(g_, panel); });
      return;
    case CommandAction::ChooseOrder:
      player([this, kind = action.order] { selectOrder(g_, kind); });
      return;
    case CommandAction::ConfirmOrder:
      confirmPendingOrder();
      return;
    case CommandAction::ConfirmDelegation:
      confirmDelegationChoice();
      return;
    case CommandAction::ExplainTargetKeys:
      port_.showInfo(QString::fromUtf8("方向キーでタブ移動します"));
      return;
  }
}

void MainWindow::buildHelpPanels(QWidget* surface) {
  // clang-format off
  const HelpPanel kPanels[4] = {
      {"PicPic", 3720, 0, 1575, 2175,
       "国の詳細を見るときは、国の番号か、国名をクリックしてください。閉じるときも、もう一度クリックしてください。",
       "cmdPicPicClose", "ヘルプ 国情報"},
      {"Picture2", 5280, 0, 1935, 2175,
       "国家情報、過去の戦闘データはメニューで見られます",
       "Command3", "ヘルプ 国家情報"},
      {"Picture3", 6840, 5040, 1575, 3375,
       "ボタンについて ＯＫボタンはＥｎｔｅｒキーで「1.移動」とか数字のついたボタンは「テンキー」でCancelはテンキーの「小数点」あるいはカーソルキーでOKから移動して、マウスを使わずに使えます",
       "Command4", "ヘルプ ボタンについて"},
      {"picCur", 10080, 6240, 1575, 2175,
       "移動先をリストから選ぶときは左右の、数値を入力するときは上下のカーソルキーでえらべます。",
       "Command5", "ヘルプ 数値入力"},
  };
  // clang-format on

  QMenu* help = helpMenu_ = new QMenu(QString::fromUtf8("ヘルプ(&H)"), this);
  help->setObjectName(QStringLiteral("mnuHelp"));
  QAction* homePage = help->addAction(QString::fromUtf8("作者ホームページ(&P)"));
  homePage->setObjectName(QStringLiteral("mnuHP"));
  connect(homePage, &QAction::triggered, this, [this] { port_.openHomePage(); });
  const char* kItems[4][2] = {{"mnuHelpKuni", "国情報(&K)"},
                              {"mnuHelpNation", "国家情報(&M)"},
                              {"mnuButton", "ボタンについて(&U)"},
                              {"mnuHelpSuuti", "数値入力(&F)"}};

  QFont small = font();
  small.setPixelSize(10);
  for (int i = 0; i < 4; ++i) {
    const HelpPanel& h = kPanels[i];
    QFrame* panel = addPanel(surface, h.name, h.left, h.top, h.width, h.height);
    panel->setAccessibleName(QString::fromUtf8(h.accessibleName));
    QLabel* heading =
        addLabel(panel, QStringLiteral("lblHelp"), QString::fromUtf8("ヘルプ"), 15, 15);
    setBackground(heading, kHelpHeadingColour);
    QLabel* text = new QLabel(QString::fromUtf8(h.text), panel);
    text->setObjectName(QStringLiteral("lblHelpText"));
    text->setFont(small);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setGeometry(twRect(45, 285, h.width - 90, h.height - 285 - 465));

    QAction* item = help->addAction(QString::fromUtf8(kItems[i][1]));
    item->setObjectName(QLatin1String(kItems[i][0]));
    item->setEnabled(false);  // the panels are shown when the window opens
    connect(item, &QAction::triggered, this, [panel, item] {
      panel->show();
      panel->raise();
      item->setEnabled(false);
    });

    auto* close = new QPushButton(QString::fromUtf8("閉じる"), panel);
    close->setObjectName(QLatin1String(h.closeButton));
    connect(close, &QPushButton::clicked, this, [panel, item] {
      panel->hide();
      item->setEnabled(true);
    });
    if (i == 1) {
      auto* look = new QPushButton(QString::fromUtf8("見る"), panel);
      look->setObjectName(QStringLiteral("Command1"));
      look->setGeometry(twRect(60, h.height - 450, (h.width - 180) / 2, 375));
      close->setGeometry(
          twRect(120 + (h.width - 180) / 2, h.height - 450, (h.width - 180) / 2, 375));
      connect(look, &QPushButton::clicked, this, [this] {
        if (openNationWindowModal) openNationWindowModal();
      });
    } else {
      close->setGeometry(twRect(60, h.height - 450, h.width - 120, 375));
    }
  }
}

void MainWindow::buildMenus() {
  // The help menu is built with its panels and goes last.
  QMenuBar* bar = menuBar();
  auto* saveLoad = saveLoadMenu_ = new QMenu(QString::fromUtf8("セーブ/ロード(&A)"), this);
  saveLoad->setObjectName(QStringLiteral("mnuSL"));
  QAction* end = saveLoad->addAction(QString::fromUtf8("終了(&E)"));
  end->setObjectName(QStringLiteral("mnuEnd"));
  connect(end, &QAction::triggered, this, [this] { player([this] { quitGame(g_); }); });
  QAction* save = saveLoad->addAction(QString::fromUtf8("セーブ(&S)"));
  save->setObjectName(QStringLiteral("mnuSave"));
  connect(save, &QAction::triggered, this, [this] { player([this] { saveGame(g_); }); });
  QAction* load = saveLoad->addAction(QString::fromUtf8("ロード(&L)"));
  load->setObjectName(QStringLiteral("mnuLoad"));
  connect(load, &QAction::triggered, this, [this] { player([this] { loadGame(g_); }); });

  delegationMenu_ = new QMenu(QString::fromUtf8("委任/委任解除(&B)"), this);
  delegationMenu_->setObjectName(QStringLiteral("mnuIninKaijyo"));
  delegationMenu_->menuAction()->setObjectName(QStringLiteral("mnuIninKaijyoAction"));
  QAction* inin = delegationMenu_->addAction(QString::fromUtf8("委任(&I)"));
  inin->setObjectName(QStringLiteral("mnuInin"));
  connect(inin, &QAction::triggered, this, [this] { player([this] { openDelegation(g_); }); });
  QAction* kaijyo = delegationMenu_->addAction(QString::fromUtf8("委任解除(&K)"));
  kaijyo->setObjectName(QStringLiteral("mnuKaijyo"));
  connect(kaijyo, &QAction::triggered, this, [this] { player([this] { openRecall(g_); }); });
  delegationMenu_->menuAction()->setEnabled(false);

  auto* nation = new QAction(QString::fromUtf8("国家情報(&N)"), this);
  nation->setObjectName(QStringLiteral("mnuNation"));
  connect(nation, &QAction::triggered, this, [this] {
    if (openNationWindow) openNationWindow();
  });

  auto* provinces = new QMenu(QString::fromUtf8("国情報(&C)"), this);
  provinces->setObjectName(QStringLiteral("mnuKuni"));
  openAllAction_ = provinces->addAction(QString::fromUtf8("全国開く(&O)"));
  openAllAction_->setObjectName(QStringLiteral("mnuOpen"));
  connect(openAllAction_, &QAction::triggered, this, &MainWindow::openAllPanels);
  closeAllAction_ = provinces->addAction(QString::fromUtf8("全国閉じる(&H)"));
  closeAllAction_->setObjectName(QStringLiteral("mnuClose"));
  connect(closeAllAction_, &QAction::triggered, this, &MainWindow::closeAllPanels);

  auto* henkou = new QMenu(QString::fromUtf8("変更(&F)"), this);
  henkou->setObjectName(QStringLiteral("mnuHenkou"));
  QAction* settings = henkou->addAction(QString::fromUtf8("設定(&D)"));
  settings->setObjectName(QStringLiteral("mnuSettei"));
  connect(settings, &QAction::triggered, this, [this] {
    if (openSettings) openSettings();
  });

  bar->addMenu(saveLoad);
  bar->addMenu(delegationMenu_);
  bar->addAction(nation);
  bar->addMenu(provinces);
  bar->addMenu(henkou);
  bar->addMenu(helpMenu_);
}

void MainWindow::buildScrollBars(QWidget* client) {
  // The client area below the menu bar is the window's inner size.
  const int menuHeight = menuBar()->sizeHint().height();
  const int innerWidth = width();
  const int innerHeight = height() - menuHeight;
  hRange_ = scrollRangeFor(innerWidth * 15, 13000);
  vRange_ = scrollRangeFor(innerHeight * 15, 19000);

  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  horizontalBar_ = new QScrollBar(Qt::Horizontal, client);
  horizontalBar_->setObjectName(QStringLiteral("HScroll1"));
  horizontalBar_->setGeometry(0, innerHeight - bar, innerWidth - bar, bar);
  verticalBar_ = new QScrollBar(Qt::Vertical, client);
  verticalBar_->setObjectName(QStringLiteral("VScroll1"));
  verticalBar_->setGeometry(innerWidth - bar, 0, bar, innerHeight);

  // A negative maximum runs the game's values from 0 down to it; the bars show their
  // magnitude, so that dragging down or right moves the map up or left as usual. A positive
  // maximum (the window wider than the map) still lets scrollToProvince push the map right
  // and under the vertical bar, so that bar stays visible too: it is the player's way back.
  auto configure = [](QScrollBar* b, const ScrollRange& r) {
    b->setRange(0, std::abs(r.maximum));
    b->setPageStep(r.largeChange);
    b->setSingleStep(r.smallChange);
    b->setVisible(r.maximum != 0);
  };
  configure(horizontalBar_, hRange_);
  configure(verticalBar_, vRange_);
  connect(horizontalBar_, &QScrollBar::valueChanged, this,
          [this](int v) { setHorizontal(hRange_.maximum < 0 ? -v : v); });
  connect(verticalBar_, &QScrollBar::valueChanged, this,
          [this](int v) { setVertical(vRange_.maximum < 0 ? -v : v); });
}

void MainWindow::setHorizontal(int value) {
  mapLeft_ = value;
  surface_->move(tw(value), surface_->y());
}

void MainWindow::setVertical(int value) {
  mapTop_ = value;
  surface_->move(surface_->x(), tw(value));
}

void MainWindow::scrollToProvince(int p) {
  const PanelPlace place = kPanelPlaces[p];
  const int h = scrollValueToShow(place.left, hRange_);
  const int v = scrollValueToShow(place.top, vRange_);
  scrollMapTo(h, v);
}

void MainWindow::scrollMapHome() { scrollMapTo(0, 0); }

void MainWindow::scrollMapTo(int h, int v) {
  // Setting a bar to the value it already has changes nothing, as with the game's bars; the
  // offset is written in any case so that the first scroll leaves the starting margin.
  horizontalBar_->setValue(hRange_.maximum < 0 ? -h : h);
  setHorizontal(h);
  verticalBar_->setValue(vRange_.maximum < 0 ? -v : v);
  setVertical(v);
}

void MainWindow::openAllPanels() {
  for (int p = 1; p <= kProvinceCount; ++p) provincePanels_[p]->setOpen(true);
  openAllAction_->setEnabled(false);
  closeAllAction_->setEnabled(true);
}

void MainWindow::closeAllPanels() {
  for (int p = 1; p <= kProvinceCount; ++p) provincePanels_[p]->setOpen(false);
  closeAllAction_->setEnabled(false);
  openAllAction_->setEnabled(true);
}

QWidget* MainWindow::panelWidget(Panel panel) const {
  switch (panel) {
    case Panel::Message:
      return messagePanel_;
    case Panel::Order:
      return orderPanel_;
    case Panel::Military:
      return militaryPanel_;
    case Panel::Political:
      return politicalPanel_;
    case Panel::Amount:
      return amountPanel_;
    case Panel::Target:
      return targetPanel_;
    case Panel::Delegation:
      return delegationPanel_;
  }
  return messagePanel_;
}

void MainWindow::writeLine(int line, const QString& text) {
  QLabel* label = messageLines_[line == 1 ? 0 : line == 2 ? 1 : 2];
  if (line == 1) {
    messageLines_[1]->hide();
    messageLines_[2]->hide();
  } else {
    label->show();
  }
  label->setText(text);
  fitToText(label);
  // The same text again queues no repaint of its own, and a line shown again after line 1 hid
  // it would then stand empty through its hold: every line written is drawn anew.
  label->update();
}

void MainWindow::showPrices(const QString& food, const QString& arms, const QString& troops) {
  // Each price is read with the caption beside it.
  setFigure(foodPrice_, priceCaptions_[0]->text(), food);
  setFigure(armsPrice_, priceCaptions_[1]->text(), arms);
  setFigure(troopsPrice_, priceCaptions_[2]->text(), troops);
}

void MainWindow::setOkPromptVisible(bool visible) { okPrompt_->setVisible(visible); }

void MainWindow::cycleOkButton() {
  okButton_->setEnabled(false);
  okButton_->setEnabled(true);
}

void MainWindow::setDelegationMenuEnabled(bool enabled) {
  delegationMenu_->menuAction()->setEnabled(enabled);
}

void MainWindow::setAutoPressTimer(bool on) {
  if (!on) {
    autoPressTimer_->stop();
  } else if (!autoPressTimer_->isActive()) {
    autoPressTimer_->start();
  }
}

void MainWindow::setLockTimer(bool on) {
  if (!on) {
    lockTimer_->stop();
  } else if (!lockTimer_->isActive()) {
    lockTimer_->start();
  }
}

void MainWindow::showPanel(Panel panel) {
  QWidget* next = panelWidget(panel);
  next->move(messagePanel_->pos());
  if (shownPanel_ == nullptr) shownPanel_ = messagePanel_;
  if (shownPanel_ != next) shownPanel_->hide();
  next->show();
  next->raise();
  shownPanel_ = next;
  // The keyboard's place on the order panel is its first button, not wherever the focus fell
  // when the panel before it was hidden (a help panel's 閉じる).
  if (panel == Panel::Order) firstOrderButton_->setFocus();
}

void MainWindow::setPanelLabel(PanelLabel label, const QString& text) {
  QLabel* target = nullptr;
  switch (label) {
    case PanelLabel::Pic2:
      target = provinceName_;
      break;
    case PanelLabel::Pic5:
      target = amountHeading_;
      break;
    case PanelLabel::Pic6:
      target = targetHeading_;
      break;
    case PanelLabel::Souba:
      target = marketNote_;
      break;
    case PanelLabel::Pic7:
      target = delegationHeading_;
      break;
  }
  target->setText(text);
  if (target != delegationHeading_) fitToText(target);  // it keeps its fixed size
}

void MainWindow::setAmountText(const QString& text) {
  amountBox_->setText(text);
  amountBox_->setFocus();
  amountBox_->selectAll();
}

QString MainWindow::amountText() const { return amountBox_->text(); }

void MainWindow::setTargetList(const QStringList& names) { fillList(targetList_, names); }

void MainWindow::selectTarget(int index) { selectRow(targetList_, index); }

QString MainWindow::selectedTargetText() const {
  const auto selected = targetList_->selectedItems();
  return selected.isEmpty() ? QString() : selected.first()->text();
}

int MainWindow::targetCount() const { return targetList_->count(); }

void MainWindow::setTargetAmountText(int box, const QString& text) {
  if (box >= 0 && box < 3) targetAmountBoxes_[box]->setText(text);
}

QString MainWindow::targetAmountText(int box) const {
  return box >= 0 && box < 3 ? targetAmountBoxes_[box]->text() : QString();
}

void MainWindow::focusTargetAmount(int box) {
  if (box < 0 || box >= 3) return;
  targetAmountBoxes_[box]->setFocus();
  targetAmountBoxes_[box]->selectAll();
}

void MainWindow::setDelegationList(const QStringList& names) { fillList(delegationList_, names); }

void MainWindow::selectDelegation(int index) { selectRow(delegationList_, index); }

int MainWindow::selectedDelegation() const {
  const auto selected = delegationList_->selectedItems();
  return selected.isEmpty() ? -1 : delegationList_->row(selected.first());
}

QString MainWindow::delegationLine(int index) const {
  if (index < 0 || index >= delegationList_->count()) return QString();
  return delegationList_->item(index)->text();
}

int MainWindow::delegationCount() const { return delegationList_->count(); }

void MainWindow::removeDelegationLine(int index) {
  if (index < 0 || index >= delegationList_->count()) return;
  delete delegationList_->takeItem(index);
  // The list would pass the selection on to the next line, and a second OK would then hand
  // over (or take back) a province the player never chose: no line stays selected.
  selectRow(delegationList_, -1);
}

OrderInput MainWindow::orderInput() const {
  OrderInput in;
  in.order = pendingOrder(g_);
  in.province = currentProvince(g_);
  in.amount = amountText().toStdString();
  in.target = selectedTargetText().toStdString();
  for (int box = 0; box < 3; ++box) in.targetAmounts[box] = targetAmountText(box).toStdString();
  return in;
}

DelegationChoice MainWindow::delegationChoice() const {
  DelegationChoice choice;
  choice.line = selectedDelegation();
  choice.lineText = delegationLine(choice.line).toStdString();
  choice.lineCount = delegationCount();
  return choice;
}

void MainWindow::closeEvent(QCloseEvent* e) {
  // A close asked for by the game itself is not questioned.
  if (gameEnded(g_)) {
    e->accept();
    return;
  }
  if (gate_.busy()) {
    // The close box while a handler waits in a message box or modal window: that handler
    // finishes first, then the player is asked.
    e->ignore();
    player([this] { quitGame(g_); });
    return;
  }
  player([this] { quitGame(g_); });
  if (gameEnded(g_)) {
    e->accept();
  } else {
    e->ignore();  // the player declined: the window stays open
  }
}

}  // namespace velmora::ui
