// The record of the game: the history of shown texts and the chart of its course.
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolTip>
#include <sstream>

#include "core/course.h"
#include "core/game.h"
#include "core/ui_port.h"
#include "game/save_game.h"
#include "game/turn_cycle.h"
#include "simulation.h"
#include "ui/main/record_menu.h"
#include "ui/port/qt_port.h"
#include "ui/windows/course_window.h"
#include "ui/windows/history_window.h"
#include "ui_fixture.h"

namespace velmora::ui::test {

namespace {

// The simulator's log without its marks (1: , box: , event: ...), one text a line.
QStringList unmarked(const std::string& log) {
  QStringList lines;
  std::istringstream in(log);
  for (std::string line; std::getline(in, line);) {
    const auto mark = line.find(": ");
    lines << QString::fromStdString(line.substr(mark + 2));
  }
  return lines;
}

}  // namespace

// One season played in the desktop game and, from the same state and the same numbers, in the
// simulator: the history holds the simulator's log of it with its details, unmarked, and the
// next season's heading before its first line.
TEST_F(UiTest, HistoryHoldsTheSeasonAsTheLogShowsIt) {
  startGame(QStringLiteral("*"));
  const QStringList& entries = app->port().history().entries();
  ASSERT_GE(entries.size(), 2);
  EXPECT_EQ(entries[0], u8("1年目の春"));
  EXPECT_EQ(entries.back(), u8("1年目、春です"));

  const qsizetype before = entries.size();
  dynamic_cast<SeededRandom&>(game().rng).reseed(7);
  std::ostringstream log;
  sim::SimPort simPort(&log, true);
  SeededRandom simRng(7);
  Game simGame(simPort, simRng);
  simPort.attach(&simGame);
  simGame.state = game().state;
  for (Game* g : {&game(), &simGame}) {
    while (g->state.season == 1) pressOk(*g);
  }
  QStringList expected = unmarked(log.str());
  ASSERT_EQ(expected.back(), u8("1年目の夏です"));
  expected.insert(expected.size() - 1, u8("1年目の夏"));
  EXPECT_EQ(entries.mid(before), expected);
  EXPECT_GT(expected.size(), 20);

  // A box of several lines is one entry.
  MessageBoxRequest box;
  box.text = "セーブできませんでした。\n理由\n前のセーブファイルはそのまま残っています。";
  app->game().ui.messages.messageBox(box);
  EXPECT_EQ(entries.back(),
            u8("セーブできませんでした。 / 理由 / 前のセーブファイルはそのまま残っています。"));
}

// A load starts a history of its own: the file first, then the loaded season's heading, then
// what the load shows. The course starts again too.
TEST_F(UiTest, LoadingStartsANewHistoryAndCourse) {
  startGame(QStringLiteral("*"));
  QTemporaryDir dir;
  game().saveDirectory = dir.path().toStdString();
  game().state.messageWait = 0.1;  // a speed the file can hold
  ASSERT_TRUE(saveGame(game()));
  game().state.messageWait = 0;
  while (game().state.season == 1) pressOk(game());
  ASSERT_EQ(game().course.size(), 2u);

  control<QAction>("mnuLoad")->trigger();
  const QStringList& entries = app->port().history().entries();
  ASSERT_GE(entries.size(), 4);
  EXPECT_EQ(entries[0], u8("ロードしたファイル: ") + QString::fromStdString(saveFilePath(game())));
  EXPECT_EQ(entries[1], u8("1年目の春"));
  EXPECT_EQ(entries[2], u8("1年目の春です"));
  EXPECT_EQ(entries.back(), u8("ロードしました"));
  ASSERT_EQ(game().course.size(), 1u);
  EXPECT_EQ(game().course[0].season, 1);
}

// The window follows the history while open, and copies it as lines that each end in LF.
TEST_F(UiTest, HistoryWindowShowsAndCopiesEveryEntry) {
  startGame(QStringLiteral("*"));
  app->recordMenu()->openHistory();
  HistoryWindow* window = app->recordMenu()->historyWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), u8("履歴"));
  EXPECT_TRUE(window->view()->isReadOnly());
  QScrollBar* bar = window->view()->verticalScrollBar();
  EXPECT_EQ(bar->value(), bar->maximum());
  while (game().state.season == 1) pressOk(game());
  const History& history = app->port().history();
  EXPECT_EQ(window->view()->toPlainText() + '\n', history.plainText());
  QCoreApplication::processEvents();
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum()) << "the window did not follow the new entries";
  window->view()->selectAll();
  window->view()->copy();
  EXPECT_EQ(QApplication::clipboard()->text(), history.plainText());
  EXPECT_TRUE(history.plainText().startsWith(u8("1年目の春\n1年目、春です\n")));
}

// Headings read bold and details grey, apart from the game's own lines; the history saves as
// the UTF-8 text it copies as, and a place it cannot be written says why in the game's words.
TEST_F(UiTest, HistorySetsItsKindsApartAndSavesAsItCopies) {
  startGame(QStringLiteral("*"));
  while (game().state.season == 1) pressOk(game());
  app->recordMenu()->openHistory();
  HistoryWindow* window = app->recordMenu()->historyWindow();
  ASSERT_NE(window, nullptr);
  const History& history = app->port().history();
  int details = 0;
  QTextBlock block = window->view()->document()->begin();
  for (qsizetype i = 0; i < history.entries().size(); ++i, block = block.next()) {
    ASSERT_TRUE(block.isValid());
    ASSERT_EQ(block.text(), history.entries()[i]);
    const QTextCharFormat format = block.begin().fragment().charFormat();
    const EntryKind kind = history.kindOf(i);
    EXPECT_EQ(format.fontWeight() == QFont::Bold, kind == EntryKind::Heading) << i;
    EXPECT_EQ(format.foreground().color() == window->view()->palette().color(QPalette::Text),
              kind != EntryKind::Detail)
        << i;
    EXPECT_EQ(block.text().startsWith(u8("・")), kind == EntryKind::Detail) << i;
    details += kind == EntryKind::Detail ? 1 : 0;
  }
  EXPECT_GE(details, 10);  // one at least for each province's order

  QTemporaryDir dir;
  const QString file = dir.filePath(u8("履歴.txt"));
  EXPECT_EQ(saveHistory(history, file), QString());
  QFile saved(file);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray bytes = saved.readAll();
  EXPECT_EQ(bytes, history.plainText().toUtf8());
  EXPECT_FALSE(bytes.contains('\r'));
  EXPECT_EQ(saveHistory(history, dir.filePath(QStringLiteral("gone/h.txt"))),
            u8("フォルダがありません"));
}

TEST_F(UiTest, CourseChartHasALineAndAColourForEveryHouse) {
  startGame(QStringLiteral("*"));
  while (game().state.season == 1) pressOk(game());
  app->recordMenu()->openCourse();
  CourseWindow* window = app->recordMenu()->courseWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), u8("勢力推移"));
  int visibleInLegend = 0;
  for (QLegendMarker* marker : window->chart()->legend()->markers()) {
    visibleInLegend += marker->isVisible() ? 1 : 0;
  }
  EXPECT_EQ(visibleInLegend, 10);
  for (int house = 1; house <= 10; ++house) {
    QLineSeries* line = window->houseLine(house);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->name(), QString::fromStdString(game().state.nations[house].name));
    ASSERT_GE(line->count(), 2);
    // The spring of year 1, a province each; each line a little apart within its count.
    const double offset = CourseWindow::offsetOf(house);
    EXPECT_EQ(line->at(0), QPointF(1, 1 + offset));
    EXPECT_EQ(line->at(line->count() - 1),
              QPointF(1.25, game().course[1].provinces[house] + offset));
  }
  // The open chart follows the game: its lines reach the next season's start.
  game().state.season = 3;
  recordSeasonStart(game());
  QLineSeries* first = window->houseLine(1);
  EXPECT_EQ(first->at(first->count() - 1).x(), 1.5);

  // Ten colours no two alike, even where the map's colours are close.
  for (int a = 1; a <= 10; ++a) {
    for (int b = a + 1; b <= 10; ++b) {
      const QColor x = houseColour(a), y = houseColour(b);
      const int distance = std::abs(x.red() - y.red()) + std::abs(x.green() - y.green()) +
                           std::abs(x.blue() - y.blue());
      EXPECT_GT(distance, 80) << a << " and " << b;
    }
  }
}

}  // namespace velmora::ui::test

namespace velmora::ui::test {
namespace {

// Seven houses at one province each and two at none: every house's line shows all along.
TEST_F(UiTest, HousesOfTheSameCountAreTenVisibleLines) {
  Course course(12);
  for (size_t i = 0; i < course.size(); ++i) {
    course[i].year = 1 + static_cast<int>(i / 4);
    course[i].season = 1 + static_cast<int>(i % 4);
    course[i].provinces = {0, 1, 1, 1, 1, 1, 1, 1, 3, 0, 0};
  }
  QStringList names;
  for (int n = 1; n <= 10; ++n) names << QString::number(n);
  CourseWindow window(names, course, 3);
  window.resize(760, 500);
  const QImage image = window.grab().toImage();
  for (int house = 1; house <= 10; ++house) {
    int pixels = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        pixels += image.pixelColor(x, y) == houseColour(house) ? 1 : 0;
      }
    }
    // A line across the plot, not a few specks or the legend's marker alone.
    EXPECT_GT(pixels, 300) << "house " << house;
  }
  EXPECT_EQ(window.houseLine(3)->name(), u8("3(あなた)"));
  // Hovering the player's line in the summer of year 2 tells house, season and count.
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* view = window.findChild<QChartView*>();
  const QPointF onLine = window.chart()->mapToPosition(QPointF(2.3, 1 + CourseWindow::offsetOf(3)),
                                                       window.houseLine(3));
  const QPoint at = view->mapFromScene(onLine);
  QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &move);
  EXPECT_EQ(QToolTip::text(), u8("3 2年目の夏 1国"));
  // Its neighbour's line, a few pixels below, is told apart.
  EXPECT_EQ(window.describeAt(view->mapFromScene(window.chart()->mapToPosition(
                QPointF(2.3, 1 + CourseWindow::offsetOf(2)), window.houseLine(2)))),
            u8("2 2年目の夏 1国"));
  EXPECT_GT(window.houseLine(3)->pen().width(), window.houseLine(1)->pen().width());
}

// At unification the chart names the winner and the season, and the standings tell how every
// house fared: the provinces at the end, the most it held and when, its battles.
TEST_F(UiTest, TheChartAtUnificationNamesTheWinnerAndTheStandings) {
  startGame(QStringLiteral("*"));
  for (int p = 1; p <= kProvinceCount; ++p) game().state.provinces[p].lord = "朝倉";
  game().state.nations[9].wins = 4;
  game().state.nations[2].losses = 3;
  QString title, unification;
  std::vector<QStringList> rows;
  bool canSave = false;
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
    if (auto* chart = qobject_cast<CourseWindow*>(QApplication::activeModalWidget())) {
      title = chart->windowTitle();
      unification = chart->findChild<QLabel*>(QStringLiteral("lblUnification"))->text();
      QTableWidget* table = chart->standings();
      for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
          cells << table->item(row, column)->text();
        }
        rows.push_back(cells);
      }
      canSave = chart->findChild<QPushButton*>(QStringLiteral("cmdSaveHistory")) != nullptr;
      chart->reject();
      poll->deleteLater();
    }
  });
  poll->start(5);
  while (!game().ended) pressOk(game());
  EXPECT_EQ(title, u8("勢力推移: 朝倉が統一(1年目の夏)"));
  EXPECT_EQ(unification, u8("朝倉が統一(1年目の夏)"));
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[8], QStringList({u8("朝倉"), "10", "10", u8("1年目の夏"), "4", "0"}));
  EXPECT_EQ(rows[1], QStringList({u8("徳川"), "0", "1", u8("1年目の春"), "0", "3"}));
  EXPECT_TRUE(canSave);
}

}  // namespace
}  // namespace velmora::ui::test
