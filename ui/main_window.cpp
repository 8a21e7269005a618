#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>

#include "commands/delegation.h"
#include "commands/orders.h"
#include "commands/panels.h"
#include "core/turn_cycle.h"
#include "persistence/save_game.h"
#include "ui/engine_gate.h"
#include "ui/map_surface.h"
#include "ui/province_panel.h"
#include "ui/qt_port.h"
#include "ui/twips.h"
#include "ui/widgets_util.h"

namespace velmora::ui {

namespace {

QFrame* addPanel(QWidget* surface, const char* name, int left, int top, int width, int height) {
  auto* panel = new QFrame(surface);
  panel->setObjectName(QLatin1String(name));
  panel->setFrameStyle(QFrame::Box | QFrame::Plain);
  panel->setGeometry(twRect(left, top, width, height));
  setBackground(panel, QApplication::palette().color(QPalette::Button));
  return panel;
}

// A text of a command panel: light cyan, sized to its text unless a size is given.
QLabel* panelText(QWidget* panel, const char* name, const char* text, int left, int top,
                  int width = 0, int height = 0) {
  QLabel* label =
      addLabel(panel, QLatin1String(name), QString::fromUtf8(text), left, top, width, height);
  setBackground(label, kPanelTextColour);
  return label;
}

QLineEdit* textBox(QWidget* panel, const QString& name, int left, int top, int width, int height) {
  auto* box = new QLineEdit(panel);
  box->setObjectName(name);
  box->setGeometry(twRect(left, top, width, height));
  box->setTextMargins(0, 0, 0, 0);
  return box;
}

QListWidget* listBox(QWidget* panel, const char* name, int left, int top, int width, int height) {
  auto* list = new QListWidget(panel);
  list->setObjectName(QLatin1String(name));
  list->setGeometry(twRect(left, top, width, height));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

// The four help panels: where they stand, their text and their buttons.
struct HelpPanel {
  const char* name;
  int left, top, width, height;
  const char* text;
  const char* closeButton;
};

}  // namespace

MainWindow::MainWindow(Game& g, QtPort& port, EngineGate& gate, QWidget* parent)
    : QMainWindow(parent), g_(g), port_(port), gate_(gate) {
  setObjectName(QStringLiteral("Form1"));
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Form1Client"));
  setCentralWidget(client);

  surface_ = new MapSurface(client);
  for (int p = 1; p <= kProvinceCount; ++p) provincePanels_[p] = new ProvincePanel(p, surface_);
  buildMessagePanel(surface_);
  buildCommandPanels(surface_);
  buildHelpPanels(surface_);
  buildMenus();

  tmrOkclick = new QTimer(this);
  tmrOkclick->setObjectName(QStringLiteral("tmrOkclick"));
  tmrOkclick->setInterval(10);
  connect(tmrOkclick, &QTimer::timeout, this,
          [this] { gate_.runTick([this] { autoPressTick(g_); }); });
  tmrOk = new QTimer(this);
  tmrOk->setObjectName(QStringLiteral("tmrOk"));
  tmrOk->setInterval(10);
  connect(tmrOk, &QTimer::timeout, this, &MainWindow::lockTimerFired);

  // 13500 x 10000 twips; the window keeps this size, the map scrolls inside it.
  setFixedSize(tw(13500), tw(10000));
  buildScrollBars(client);
}

MainWindow::~MainWindow() = default;

void MainWindow::player(std::function<void()> handler) { gate_.runPlayer(std::move(handler)); }

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
  pic1 = addPanel(surface, "pic1", 0, 0, 3735, 2415);
  lblMsg = addLabel(pic1, QStringLiteral("lblMsg"), QString(), 120, 120);
  lblMsg2 = addLabel(pic1, QStringLiteral("lblMsg2"), QString(), 120, 480);
  lblMsg3 = addLabel(pic1, QStringLiteral("lblMsg3"), QString(), 120, 840);
  for (QLabel* line : {lblMsg, lblMsg2, lblMsg3}) setBackground(line, kMessageColour);

  cmdOk = new QPushButton(QStringLiteral("OK"), pic1);
  cmdOk->setObjectName(QStringLiteral("cmdOk"));
  cmdOk->setGeometry(twRect(120, 1440, 1215, 375));
  connect(cmdOk, &QPushButton::clicked, this, [this] { player([this] { pressOk(g_); }); });
  lblOk = new QLabel(QString::fromUtf8("OKをおしてください"), pic1);
  lblOk->setObjectName(QStringLiteral("lblOk"));
  // At 12 pixels the prompt runs into the market box beside it.
  QFont promptFont = lblOk->font();
  promptFont.setPixelSize(11);
  lblOk->setFont(promptFont);
  lblOk->move(tw(120), tw(1920));
  lblOk->adjustSize();

  auto* picSouba = addPanel(pic1, "picSouba", 1800, 840, 1215, 1335);
  addLabel(picSouba, QStringLiteral("lblSoubaHeading"), QString::fromUtf8("相場"), 720, 120);
  addLabel(picSouba, QStringLiteral("lblSoubaKome"), QString::fromUtf8("食料"), 120, 360);
  addLabel(picSouba, QStringLiteral("lblSoubaBuki"), QString::fromUtf8("武器"), 120, 720);
  addLabel(picSouba, QStringLiteral("lblSoubaHei"), QString::fromUtf8("兵"), 120, 1080);
  // A line high (240 twips), so that the last row ends inside the box's border.
  lblMsgKome = addLabel(picSouba, QStringLiteral("lblMsgKome"), QString(), 720, 360, 375, 240);
  lblMsgBuki = addLabel(picSouba, QStringLiteral("lblMsgBuki"), QString(), 720, 720, 375, 240);
  lblMsgHei = addLabel(picSouba, QStringLiteral("lblMsgHei"), QString(), 720, 1080, 375, 240);
  for (QLabel* price : {lblMsgKome, lblMsgBuki, lblMsgHei}) setBackground(price, Qt::white);
  // The message lines and the prompt stay readable where they reach over the market box.
  for (QLabel* label : {lblMsg, lblMsg2, lblMsg3, lblOk}) label->raise();
}

QPushButton* MainWindow::orderButton(QWidget* panel, const char* name, const char* caption,
                                     int left, int top, int width, int height) {
  auto* button = new QPushButton(QString::fromUtf8(caption), panel);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(twRect(left, top, width, height));
  // At the window's 12 pixels "3.何もしない" fills its 73-pixel button and the order captions
  // their 65 pixels, and the style's margins cut off the first and last characters.
  QFont captionFont = button->font();
  captionFont.setPixelSize(11);
  button->setFont(captionFont);
  return button;
}

void MainWindow::buildCommandPanels(QWidget* surface) {
  auto toPanel = [this](QPushButton* button, Panel panel) {
    connect(button, &QPushButton::clicked, this,
            [this, panel] { player([this, panel] { showPanel(g_, panel); }); });
  };
  auto order = [this](QPushButton* button, CommandKind kind) {
    connect(button, &QPushButton::clicked, this,
            [this, kind] { player([this, kind] { selectOrder(g_, kind); }); });
  };

  pic2 = addPanel(surface, "pic2", 0, 0, 3135, 2295);
  panelText(pic2, "lblPic2Heading", "プレイヤーの番です", 120, 0);
  lblPic2 = panelText(pic2, "lblPic2", "", 120, 240);
  toPanel(orderButton(pic2, "cmdGunji", "1.軍事系", 0, 600, 1095, 375), Panel::Military);
  toPanel(orderButton(pic2, "cmdSeiji", "2.政治系", 0, 1080, 1095, 375), Panel::Political);
  order(orderButton(pic2, "cmdNothing", "3.何もしない", 0, 1560, 1095, 375),
        CommandKind::DoNothing);

  pic3 = addPanel(surface, "pic3", 0, 0, 3135, 2295);
  order(orderButton(pic3, "cmdIdo", "1.移動", 120, 120, 975, 255), CommandKind::Move);
  order(orderButton(pic3, "cmdSento", "2.戦闘", 120, 480, 975, 255), CommandKind::Attack);
  order(orderButton(pic3, "cmdHeizokyo", "3.兵増強", 1320, 120, 975, 255),
        CommandKind::RaiseTroops);
  order(orderButton(pic3, "cmdBusouzokyo", "4.武装強化", 1320, 480, 975, 255),
        CommandKind::RaiseArms);
  toPanel(orderButton(pic3, "cmdReturnGunji", "5.戻る", 120, 840, 975, 255), Panel::Order);

  pic4 = addPanel(surface, "pic4", 0, 0, 3135, 2295);
  order(orderButton(pic4, "cmdKokuryoku", "1.国力増大", 120, 120, 975, 255),
        CommandKind::RaisePower);
  order(orderButton(pic4, "cmdMachi", "2.町増築", 120, 480, 975, 255), CommandKind::BuildTown);
  order(orderButton(pic4, "cmdSiro", "3.城普請", 120, 840, 975, 255), CommandKind::BuildCastle);
  order(orderButton(pic4, "cmdUri", "4.食料売り", 1320, 120, 975, 255), CommandKind::SellFood);
  order(orderButton(pic4, "cmdKai", "5.食料買い", 1320, 480, 975, 255), CommandKind::BuyFood);
  toPanel(orderButton(pic4, "cmdReturnSeiji", "6.戻る", 1320, 840, 975, 255), Panel::Order);

  auto confirm = [this](QPushButton* button) {
    connect(button, &QPushButton::clicked, this, [this] { player([this] { confirmOrder(g_); }); });
  };

  pic5 = addPanel(surface, "pic5", 0, 0, 3135, 2295);
  lblPic5 = panelText(pic5, "lblPic5", "", 120, 240);
  lblSouba = panelText(pic5, "lblSouba", "", 120, 600);
  panelText(pic5, "lblPic5Amount", "投資額", 360, 840);
  txtPic5 = textBox(pic5, QStringLiteral("txtPic5"), 960, 840, 1095, 270);
  confirm(orderButton(pic5, "cmdOkpic5", "OK", 960, 1200, 1095, 375));
  toPanel(orderButton(pic5, "cmdCancelpic5", "Cancel", 960, 1680, 1095, 375), Panel::Order);

  pic6 = addPanel(surface, "pic6", 0, 0, 3135, 2295);
  lblPic6 = panelText(pic6, "lblPic6", "", 120, 0);
  panelText(pic6, "lblPic6Target", "移動先は?", 120, 360);
  lstPic6 = listBox(pic6, "lstPic6", 120, 600, 1215, 600);
  confirm(orderButton(pic6, "cmdOkpic6", "OK", 120, 1200, 1215, 375));
  toPanel(orderButton(pic6, "cmdCancelpic6", "Cancel", 120, 1560, 1215, 375), Panel::Order);
  QPushButton* help = orderButton(pic6, "cmdSentoHelp", "ヘルプ", 120, 1920, 1215, 255);
  connect(help, &QPushButton::clicked, this,
          [this] { port_.showInfo(QString::fromUtf8("方向キーでタブ移動します")); });
  panelText(pic6, "lblPic6Troops", "兵力数は?", 1920, 120);
  panelText(pic6, "lblPic6Food", "食料の数は?", 1920, 720);
  panelText(pic6, "lblPic6Gold", "金の数は?", 1920, 1560);
  const int boxTops[3] = {360, 1080, 1800};
  for (int i = 0; i < 3; ++i) {
    txtPic6[i] = textBox(pic6, QStringLiteral("txtPic6(%1)").arg(i), 1920, boxTops[i], 855, 270);
  }

  pic7 = addPanel(surface, "pic7", 0, 0, 3135, 2295);
  lblPic7 = panelText(pic7, "lblPic7", "", 120, 240, 1335, 255);
  lstPic7 = listBox(pic7, "lstPic7", 120, 600, 1335, 1320);
  QPushButton* ok7 = orderButton(pic7, "cmdOkPic7", "OK", 1680, 360, 1215, 375);
  connect(ok7, &QPushButton::clicked, this, [this] { player([this] { confirmDelegation(g_); }); });
  toPanel(orderButton(pic7, "cmdCancelPic7", "Cancel", 1680, 960, 1215, 375), Panel::Order);
  QLabel* note =
      panelText(pic7, "lblPic7Note", "設定したらCancelでもどります", 1680, 1440, 1215, 615);
  // Three lines in its 41 pixels: a smaller font with its lines set closer, a pixel clear of
  // the box's edges.
  QFont noteFont = note->font();
  noteFont.setPixelSize(10);
  note->setFont(noteFont);
  note->setMargin(1);
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setCloseLines(note, 85);

  for (QWidget* panel : {pic2, pic3, pic4, pic5, pic6, pic7}) panel->hide();
}

void MainWindow::buildHelpPanels(QWidget* surface) {
  // clang-format off
  const HelpPanel kPanels[4] = {
      {"PicPic", 3720, 0, 1575, 2175,
       "国の詳細を見るときは、国の番号か、国名をクリックしてください。閉じるときも、もう一度クリックしてください。",
       "cmdPicPicClose"},
      {"Picture2", 5280, 0, 1935, 2175,
       "国家情報、過去の戦闘データはメニューで見られます",
       "Command3"},
      {"Picture3", 6840, 5040, 1575, 3375,
       "ボタンについて ＯＫボタンはＥｎｔｅｒキーで「1.移動」とか数字のついたボタンは「テンキー」でCancelはテンキーの「小数点」あるいはカーソルキーでOKから移動して、マウスを使わずに使えます",
       "Command4"},
      {"picCur", 10080, 6240, 1575, 2175,
       "移動先をリストから選ぶときは左右の、数値を入力するときは上下のカーソルキーでえらべます。",
       "Command5"},
  };
  // clang-format on

  QMenu* help = mnuHelp = new QMenu(QString::fromUtf8("ヘルプ(&H)"), this);
  help->setObjectName(QStringLiteral("mnuHelp"));
  mnuHP = help->addAction(QString::fromUtf8("作者ホームページ(&P)"));
  mnuHP->setObjectName(QStringLiteral("mnuHP"));
  connect(mnuHP, &QAction::triggered, this, [this] { port_.openHomePage(); });
  const char* kItems[4][2] = {{"mnuHelpKuni", "国情報(&K)"},
                              {"mnuHelpNation", "国家情報(&M)"},
                              {"mnuButton", "ボタンについて(&U)"},
                              {"mnuHelpSuuti", "数値入力(&F)"}};

  QFont small = font();
  small.setPixelSize(10);
  for (int i = 0; i < 4; ++i) {
    const HelpPanel& h = kPanels[i];
    QFrame* panel = addPanel(surface, h.name, h.left, h.top, h.width, h.height);
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
  mnuSL = new QMenu(QString::fromUtf8("セーブ/ロード(&A)"), this);
  mnuSL->setObjectName(QStringLiteral("mnuSL"));
  QAction* end = mnuSL->addAction(QString::fromUtf8("終了(&E)"));
  end->setObjectName(QStringLiteral("mnuEnd"));
  connect(end, &QAction::triggered, this, [this] { player([this] { quitGame(g_); }); });
  QAction* save = mnuSL->addAction(QString::fromUtf8("セーブ(&S)"));
  save->setObjectName(QStringLiteral("mnuSave"));
  connect(save, &QAction::triggered, this, [this] { player([this] { saveGame(g_); }); });
  QAction* load = mnuSL->addAction(QString::fromUtf8("ロード(&L)"));
  load->setObjectName(QStringLiteral("mnuLoad"));
  connect(load, &QAction::triggered, this, [this] { player([this] { loadGame(g_); }); });

  mnuIninKaijyo = new QMenu(QString::fromUtf8("委任/委任解除(&B)"), this);
  mnuIninKaijyo->setObjectName(QStringLiteral("mnuIninKaijyo"));
  mnuIninKaijyo->menuAction()->setObjectName(QStringLiteral("mnuIninKaijyoAction"));
  QAction* inin = mnuIninKaijyo->addAction(QString::fromUtf8("委任(&I)"));
  inin->setObjectName(QStringLiteral("mnuInin"));
  connect(inin, &QAction::triggered, this, [this] { player([this] { openDelegation(g_); }); });
  QAction* kaijyo = mnuIninKaijyo->addAction(QString::fromUtf8("委任解除(&K)"));
  kaijyo->setObjectName(QStringLiteral("mnuKaijyo"));
  connect(kaijyo, &QAction::triggered, this, [this] { player([this] { openRecall(g_); }); });
  mnuIninKaijyo->menuAction()->setEnabled(false);

  mnuNation = new QAction(QString::fromUtf8("国家情報(&N)"), this);
  mnuNation->setObjectName(QStringLiteral("mnuNation"));
  connect(mnuNation, &QAction::triggered, this, [this] {
    if (openNationWindow) openNationWindow();
  });

  mnuKuni = new QMenu(QString::fromUtf8("国情報(&C)"), this);
  mnuKuni->setObjectName(QStringLiteral("mnuKuni"));
  mnuOpen = mnuKuni->addAction(QString::fromUtf8("全国開く(&O)"));
  mnuOpen->setObjectName(QStringLiteral("mnuOpen"));
  connect(mnuOpen, &QAction::triggered, this, &MainWindow::openAllPanels);
  mnuClose = mnuKuni->addAction(QString::fromUtf8("全国閉じる(&H)"));
  mnuClose->setObjectName(QStringLiteral("mnuClose"));
  connect(mnuClose, &QAction::triggered, this, &MainWindow::closeAllPanels);

  auto* henkou = new QMenu(QString::fromUtf8("変更(&F)"), this);
  henkou->setObjectName(QStringLiteral("mnuHenkou"));
  mnuSettei = henkou->addAction(QString::fromUtf8("設定(&D)"));
  mnuSettei->setObjectName(QStringLiteral("mnuSettei"));
  connect(mnuSettei, &QAction::triggered, this, [this] {
    if (openSettings) openSettings();
  });

  bar->addMenu(mnuSL);
  bar->addMenu(mnuIninKaijyo);
  bar->addAction(mnuNation);
  bar->addMenu(mnuKuni);
  bar->addMenu(henkou);
  bar->addMenu(mnuHelp);
}

void MainWindow::buildScrollBars(QWidget* client) {
  // The client area below the menu bar is the window's inner size.
  const int menuHeight = menuBar()->sizeHint().height();
  const int innerWidth = width();
  const int innerHeight = height() - menuHeight;
  hRange_ = scrollRangeFor(innerWidth * 15, 13000);
  vRange_ = scrollRangeFor(innerHeight * 15, 19000);

  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  HScroll1 = new QScrollBar(Qt::Horizontal, client);
  HScroll1->setObjectName(QStringLiteral("HScroll1"));
  HScroll1->setGeometry(0, innerHeight - bar, innerWidth - bar, bar);
  VScroll1 = new QScrollBar(Qt::Vertical, client);
  VScroll1->setObjectName(QStringLiteral("VScroll1"));
  VScroll1->setGeometry(innerWidth - bar, 0, bar, innerHeight);

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
  configure(HScroll1, hRange_);
  configure(VScroll1, vRange_);
  connect(HScroll1, &QScrollBar::valueChanged, this,
          [this](int v) { setHorizontal(hRange_.maximum < 0 ? -v : v); });
  connect(VScroll1, &QScrollBar::valueChanged, this,
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
  // Setting a bar to the value it already has changes nothing, as with the game's bars; the
  // offset is written in any case so that the first scroll leaves the starting margin.
  HScroll1->setValue(hRange_.maximum < 0 ? -h : h);
  setHorizontal(h);
  VScroll1->setValue(vRange_.maximum < 0 ? -v : v);
  setVertical(v);
}

void MainWindow::openAllPanels() {
  for (int p = 1; p <= kProvinceCount; ++p) provincePanels_[p]->setOpen(true);
  mnuOpen->setEnabled(false);
  mnuClose->setEnabled(true);
}

void MainWindow::closeAllPanels() {
  for (int p = 1; p <= kProvinceCount; ++p) provincePanels_[p]->setOpen(false);
  mnuClose->setEnabled(false);
  mnuOpen->setEnabled(true);
}

QWidget* MainWindow::panelWidget(Panel panel) const {
  switch (panel) {
    case Panel::Message:
      return pic1;
    case Panel::Order:
      return pic2;
    case Panel::Military:
      return pic3;
    case Panel::Political:
      return pic4;
    case Panel::Amount:
      return pic5;
    case Panel::Target:
      return pic6;
    case Panel::Delegation:
      return pic7;
  }
  return pic1;
}

void MainWindow::writeLine(int line, const QString& text) {
  QLabel* label = line == 1 ? lblMsg : line == 2 ? lblMsg2 : lblMsg3;
  if (line == 1) {
    lblMsg2->hide();
    lblMsg3->hide();
  } else {
    label->show();
  }
  label->setText(text);
  fitToText(label);
  // The same text again queues no repaint of its own, and a line shown again after line 1 hid
  // it would then stand empty through its hold: every line written is drawn anew.
  label->update();
}

void MainWindow::closeEvent(QCloseEvent* e) {
  // A close asked for by the game itself is not questioned.
  if (g_.ended) {
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
  if (g_.ended) {
    e->accept();
  } else {
    e->ignore();  // the player declined: the window stays open
  }
}

}  // namespace velmora::ui
