#include <QtTest/qtestspontaneevent.h>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <optional>

#include "core/game.h"
#include "core/panels.h"
#include "ui/app/home_page.h"
#include "ui/common/widgets_util.h"
#include "ui/main/map_surface.h"
#include "ui/main/province_panel.h"
#include "ui/main/scroll_math.h"
#include "ui_fixture.h"

namespace velmora::ui::test {
namespace {

TEST_F(UiTest, PanelChainWithItsWaysBack) {
  startGame();
  game().state.provinces[1].food = 77;
  nextPositionPlays(1);
  click("cmdOk");
  EXPECT_EQ(shownPanel(), u8("pic2"));
  EXPECT_EQ(control<QLabel>("lblPic2")->text(), u8("尾張"));
  EXPECT_FALSE(game().state.autoAdvanceReady);
  EXPECT_TRUE(control<QMenu>("mnuIninKaijyo")->menuAction()->isEnabled());
  EXPECT_EQ(control<QLabel>("lblMsg")->text(), u8("あなたの番です 尾張"));

  click("cmdGunji");
  EXPECT_EQ(shownPanel(), u8("pic3"));
  click("cmdReturnGunji");
  EXPECT_EQ(shownPanel(), u8("pic2"));
  EXPECT_EQ(control<QLabel>("lblPic2")->text(), u8("尾張"));
  click("cmdSeiji");
  EXPECT_EQ(shownPanel(), u8("pic4"));
  click("cmdReturnSeiji");
  EXPECT_EQ(shownPanel(), u8("pic2"));

  // The amount box starts with the gold, for a food sale with the food.
  click("cmdSeiji");
  click("cmdKokuryoku");
  EXPECT_EQ(shownPanel(), u8("pic5"));
  EXPECT_EQ(control<QLabel>("lblPic5")->text(), u8("国力増大:尾張"));
  EXPECT_EQ(control<QLineEdit>("txtPic5")->text(), u8("10"));
  EXPECT_EQ(control<QLineEdit>("txtPic5")->selectedText(), u8("10"));
  click("cmdCancelpic5");
  EXPECT_EQ(shownPanel(), u8("pic2"));
  click("cmdSeiji");
  click("cmdUri");
  EXPECT_EQ(control<QLineEdit>("txtPic5")->text(), u8("77"));
  click("cmdCancelpic5");

  // Raising troops shows its price; every switch of panel clears it again.
  click("cmdGunji");
  click("cmdHeizokyo");
  EXPECT_EQ(shownPanel(), u8("pic5"));
  EXPECT_FALSE(control<QLabel>("lblSouba")->text().isEmpty());
  click("cmdCancelpic5");
  EXPECT_TRUE(control<QLabel>("lblSouba")->text().isEmpty());

  // A move lists the neighbours of the same house.
  game().state.provinces[2].lord = "織田";
  game().state.provinces[5].lord = "織田";
  click("cmdGunji");
  click("cmdIdo");
  EXPECT_EQ(shownPanel(), u8("pic6"));
  EXPECT_EQ(control<QListWidget>("lstPic6")->count(), 2);
  EXPECT_FALSE(control<QLabel>("lblPic6")->text().isEmpty());
  click("cmdCancelpic6");
  EXPECT_EQ(shownPanel(), u8("pic2"));
  EXPECT_EQ(control<QLabel>("lblPic2")->text(), u8("尾張"));

  form()->findChild<QPushButton*>(QStringLiteral("cmdSentoHelp"))->click();
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.back().text, "方向キーでタブ移動します");
  EXPECT_EQ(boxes.back().buttons, BoxButtons::Ok);
}

TEST_F(UiTest, WholeOrderThroughThePanels) {
  startGame();
  Province& owari = game().state.provinces[1];
  owari.gold = 100;
  const int power = owari.power;
  const int morale = owari.morale;
  nextPositionPlays(1);
  click("cmdOk");
  click("cmdSeiji");
  click("cmdKokuryoku");
  QLineEdit* amount = control<QLineEdit>("txtPic5");
  ASSERT_NE(amount, nullptr);
  EXPECT_EQ(amount->text(), u8("100"));
  QTest::keyClicks(amount, QStringLiteral("30"));  // replaces the selected text
  EXPECT_EQ(amount->text(), u8("30"));
  click("cmdOkpic5");

  EXPECT_EQ(shownPanel(), u8("pic1"));
  EXPECT_EQ(owari.gold, 70);
  EXPECT_GT(owari.power, power);
  EXPECT_EQ(owari.morale, morale + 1);
  ProvincePanel* panel = form()->provincePanel(1);
  EXPECT_EQ(panel->lblKin->text(), u8("70"));
  EXPECT_EQ(panel->lblKokuryoku->text(), QString::number(owari.power));
  EXPECT_EQ(panel->lblMindo->text(), QString::number(owari.morale));
  EXPECT_TRUE(control<QLabel>("lblMsg2")->isVisible());
  EXPECT_FALSE(control<QLabel>("lblMsg2")->text().isEmpty());
  EXPECT_FALSE(control<QMenu>("mnuIninKaijyo")->menuAction()->isEnabled());
  EXPECT_TRUE(game().state.orderCompleted);
  EXPECT_TRUE(control<QLabel>("lblPic2")->text().isEmpty());
}

TEST_F(UiTest, RefusedAmountGoesBackToTheOrderPanel) {
  startGame();
  nextPositionPlays(1);
  click("cmdOk");
  click("cmdSeiji");
  click("cmdKokuryoku");
  control<QLineEdit>("txtPic5")->setText(QStringLiteral("500"));
  click("cmdOkpic5");
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(shownPanel(), u8("pic2"));
  EXPECT_EQ(game().state.provinces[1].gold, 10);
}

TEST_F(UiTest, ProvincePanelsOpenAndClose) {
  startGame();
  ProvincePanel* p3 = form()->provincePanel(3);
  EXPECT_EQ(p3->height(), 49);
  QTest::mouseClick(p3->lblNum, Qt::LeftButton);
  EXPECT_EQ(p3->height(), 113);
  EXPECT_TRUE(p3->lblHei->isVisible());
  QTest::mouseClick(p3->lblKuni, Qt::LeftButton);
  EXPECT_EQ(p3->height(), 49);
  QTest::mouseClick(p3->lblRyoshu, Qt::LeftButton);  // other labels do nothing
  EXPECT_EQ(p3->height(), 49);

  QTest::mouseClick(form()->provincePanel(2)->lblKuni, Qt::LeftButton);
  control<QAction>("mnuOpen")->trigger();
  for (int p = 1; p <= 10; ++p) {
    EXPECT_EQ(form()->provincePanel(p)->size(), QSize(129, 113)) << p;
  }
  EXPECT_FALSE(control<QAction>("mnuOpen")->isEnabled());
  EXPECT_TRUE(control<QAction>("mnuClose")->isEnabled());
  control<QAction>("mnuClose")->trigger();
  for (int p = 1; p <= 10; ++p) {
    EXPECT_EQ(form()->provincePanel(p)->size(), QSize(129, 49)) << p;
  }
  EXPECT_FALSE(control<QAction>("mnuClose")->isEnabled());
  EXPECT_TRUE(control<QAction>("mnuOpen")->isEnabled());
}

TEST_F(UiTest, HelpPanelsAndTheirMenuItems) {
  startGame();
  QWidget* panel = control<QWidget>("PicPic");
  QAction* item = control<QAction>("mnuHelpKuni");
  panel->findChild<QPushButton*>(QStringLiteral("cmdPicPicClose"))->click();
  EXPECT_FALSE(panel->isVisible());
  EXPECT_TRUE(item->isEnabled());
  item->trigger();
  EXPECT_TRUE(panel->isVisible());
  EXPECT_FALSE(item->isEnabled());

  // The game's page when a copy is installed where this program looks, else a box naming
  // the places looked in and nothing opened.
  boxes.clear();
  control<QAction>("mnuHP")->trigger();
  const QString page =
      findHomePage(QCoreApplication::applicationDirPath(),
                   QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
  if (!page.isEmpty()) {
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(page));
    EXPECT_TRUE(boxes.empty());
  } else {
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(ss(QCoreApplication::applicationDirPath())), std::string::npos);
    EXPECT_NE(boxes[0].text.find("velmora.html"), std::string::npos);
  }
}

// The desktop cannot open the page (no browser, no launcher): a box says so and where it is.
TEST_F(UiTest, AHomePageThatCannotBeOpenedIsSaidSo) {
  startGame();
  // A copy of the page where the desktop's data folders are looked in.
  QTemporaryDir data;
  ASSERT_TRUE(QDir(data.path()).mkpath(QStringLiteral("games/velmora")));
  QFile page(data.filePath(QStringLiteral("games/velmora/velmora.html")));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();
  const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
  qputenv("XDG_DATA_DIRS", QFile::encodeName(data.path()));
  urlOpens = false;
  boxes.clear();
  control<QAction>("mnuHP")->trigger();
  qputenv("XDG_DATA_DIRS", dataDirs);
  ASSERT_EQ(opened.size(), 1u);
  ASSERT_TRUE(opened[0].isLocalFile());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find(ss(opened[0].toLocalFile())), std::string::npos) << boxes[0].text;
}

// The menu bar as the window opens: entries in order, their items, the letters that reach
// them, and which of them can be chosen.
TEST_F(UiTest, MenuBarWhenTheWindowOpens) {
  startGame();
  const QList<QAction*> top = form()->menuBar()->actions();
  QStringList captions;
  for (QAction* a : top) captions << a->text();
  EXPECT_EQ(captions,
            QStringList({u8("セーブ/ロード(&A)"), u8("委任/委任解除(&B)"), u8("国家情報(&N)"),
                         u8("国情報(&C)"), u8("変更(&F)"), u8("ヘルプ(&H)"), u8("記録(&R)")}));
  ASSERT_EQ(top.size(), 7);
  EXPECT_EQ(top[2]->menu(), nullptr);  // 国家情報 acts when chosen

  const auto items = [&](int entry) {
    QStringList texts;
    if (QMenu* menu = top[entry]->menu()) {
      for (QAction* a : menu->actions()) texts << a->text() + (a->isEnabled() ? "" : " -");
    }
    return texts;
  };
  EXPECT_EQ(items(0), QStringList({u8("終了(&E)"), u8("セーブ(&S)"), u8("ロード(&L)"),
                                   u8("オートセーブから再開(&U)"), u8("新しいゲーム(&N)")}));
  EXPECT_EQ(items(1), QStringList({u8("委任(&I)"), u8("委任解除(&K)")}));
  EXPECT_EQ(items(3), QStringList({u8("全国開く(&O)"), u8("全国閉じる(&H)")}));
  EXPECT_EQ(items(4), QStringList({u8("設定(&D)")}));
  // The four help panels are shown, so their items are disabled.
  EXPECT_EQ(items(5),
            QStringList({u8("作者ホームページ(&P)"), u8("国情報(&K) -"), u8("国家情報(&M) -"),
                         u8("ボタンについて(&U) -"), u8("数値入力(&F) -")}));
  EXPECT_FALSE(top[1]->isEnabled());
  EXPECT_EQ(items(6), QStringList({u8("履歴(&H)"), u8("勢力推移(&G)"), u8("履歴を保存(&S)...")}));
  for (int entry : {0, 2, 3, 4, 5, 6}) EXPECT_TRUE(top[entry]->isEnabled()) << entry;
  for (const char* panel : {"PicPic", "Picture2", "Picture3", "picCur"}) {
    EXPECT_TRUE(control<QWidget>(panel)->isVisible()) << panel;
  }
}

TEST_F(UiTest, ScrollingToAProvince) {
  startGame();
  EXPECT_EQ(form()->mapLeftTwips(), 120);
  EXPECT_EQ(form()->mapTopTwips(), 120);
  // Upper left: the map goes to offset 0, 0.
  form()->scrollToProvince(9);
  EXPECT_EQ(form()->mapLeftTwips(), 0);
  EXPECT_EQ(form()->mapTopTwips(), 0);
  // Lower down: the panel comes 3000 twips below the window's top.
  form()->scrollToProvince(10);
  EXPECT_EQ(form()->mapTopTwips(), 3000 - 6600);
  EXPECT_EQ(control<QScrollBar>("VScroll1")->value(), 3600);
  QWidget* surface = control<QWidget>("Picture1");
  EXPECT_EQ(surface->y(), -240);
  // The window is wider than the map: a panel right of 3000 twips puts the bar at its maximum.
  form()->scrollToProvince(3);
  EXPECT_EQ(form()->mapLeftTwips(), form()->horizontalRange().maximum);
  // That pushes the map right, under the vertical bar; the horizontal bar brings it back.
  ASSERT_GT(form()->horizontalRange().maximum, 0);
  EXPECT_FALSE(control<QScrollBar>("HScroll1")->isHidden());
  control<QScrollBar>("HScroll1")->setValue(0);
  EXPECT_EQ(form()->mapLeftTwips(), 0);
  // The bar moves the map.
  control<QScrollBar>("VScroll1")->setValue(1500);
  EXPECT_EQ(form()->mapTopTwips(), -1500);
}

// A wheel turn at a point of a widget (its middle by default), delivered as the platform's is
// (QTest's way with mouse events): a widget that does not want it passes it on to its parent.
void turnWheel(QWidget* w, QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               std::optional<QPoint> point = std::nullopt) {
  const QPointF at = point ? QPointF(*point) : QRectF(w->rect()).center();
  QWheelEvent e(at, w->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers, Qt::NoScrollPhase,
                false);
  QSpontaneKeyEvent::setSpontaneous(&e);
  qApp->notify(w, &e);
}

// A list keeps its wheel; over a text box of a panel a notch moves VScroll1 by three small
// changes; over the map a touchpad's quarter notches add up to one, and Shift moves HScroll1
// within its range.
TEST_F(UiTest, TheWheelMovesTheMapThroughItsScrollBars) {
  startGame();
  QScrollBar* vertical = control<QScrollBar>("VScroll1");
  QScrollBar* horizontal = control<QScrollBar>("HScroll1");
  const int notch = 3 * vertical->singleStep();
  velmora::showPanel(game(), Panel::Target);
  form()->setTargetList({u8("美濃"), u8("三河")});
  QListWidget* list = control<QListWidget>("lstPic6");
  turnWheel(list->viewport(), {0, -120});
  EXPECT_EQ(vertical->value(), 0) << "the list has nothing to scroll, and the map stays";
  EXPECT_EQ(form()->mapTopTwips(), 120);

  turnWheel(control<QLineEdit>(indexed("txtPic6", 0)), {0, -120});
  EXPECT_EQ(vertical->value(), notch);
  EXPECT_EQ(form()->mapTopTwips(), -notch);

  QWidget* map = form()->mapSurface();
  const QPoint inView = map->mapFrom(form(), form()->rect().center());
  for (int i = 0; i < 4; ++i) turnWheel(map, {0, 30}, Qt::NoModifier, inView);
  EXPECT_EQ(vertical->value(), 0);
  EXPECT_EQ(form()->mapTopTwips(), 0);

  // The window is wider than the map: HScroll1 runs from 0 to a maximum above 0, and the map
  // stands at its left end already.
  ASSERT_GT(form()->horizontalRange().maximum, 0);
  turnWheel(map, {0, -120}, Qt::ShiftModifier, inView);
  EXPECT_EQ(horizontal->value(), 0);
  EXPECT_EQ(form()->mapLeftTwips(), 120);
  turnWheel(map, {0, 120}, Qt::ShiftModifier, inView);
  EXPECT_EQ(horizontal->value(), horizontal->maximum());
  EXPECT_EQ(form()->mapLeftTwips(), form()->horizontalRange().maximum);
  EXPECT_EQ(vertical->value(), 0);
}

TEST(ScrollMath, HoldsTheValueInsideTheRange) {
  const ScrollRange down = scrollRangeFor(9000, 19000);
  EXPECT_EQ(down.maximum, -10000);
  EXPECT_EQ(down.largeChange, 9000);
  EXPECT_EQ(down.smallChange, 450);
  EXPECT_EQ(scrollValueToShow(13000, down), -10000);  // exactly the maximum
  EXPECT_EQ(scrollValueToShow(15000, down), -10000);  // beyond it
  EXPECT_EQ(scrollValueToShow(6000, down), -3000);
  EXPECT_EQ(scrollValueToShow(2000, down), 0);
  const ScrollRange wide = scrollRangeFor(13500, 13000);
  EXPECT_EQ(wide.maximum, 500);
  EXPECT_EQ(scrollValueToShow(2000, wide), 0);
  EXPECT_EQ(scrollValueToShow(3000, wide), 500);
  EXPECT_EQ(scrollRangeFor(9675, 19000).smallChange, 484);  // 483.75
}

}  // namespace
}  // namespace velmora::ui::test
