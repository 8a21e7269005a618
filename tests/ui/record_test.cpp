// The record of the game: the history of shown texts and the chart of its course.
#include <QChart>
#include <QClipboard>
#include <QLineSeries>
#include <QTemporaryDir>
#include <sstream>

#include "core/course.h"
#include "core/game.h"
#include "game/save_game.h"
#include "game/turn_cycle.h"
#include "simulation.h"
#include "ui/course_window.h"
#include "ui/history_window.h"
#include "ui/qt_port.h"
#include "ui/record_menu.h"
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
// simulator: the history holds the simulator's log of it, unmarked, and the next season's
// heading before its first line.
TEST_F(UiTest, HistoryHoldsTheSeasonAsTheLogShowsIt) {
  startGame(QStringLiteral("*"));
  const QStringList& entries = app->port().history().entries();
  ASSERT_GE(entries.size(), 2);
  EXPECT_EQ(entries[0], u8("1年目の春"));
  EXPECT_EQ(entries.back(), u8("1年目、春です"));

  const qsizetype before = entries.size();
  dynamic_cast<SeededRandom&>(game().rng).reseed(7);
  std::ostringstream log;
  sim::SimPort simPort(&log);
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
  app->port().messageBox(box);
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

TEST_F(UiTest, CourseChartHasALineAndAColourForEveryHouse) {
  startGame(QStringLiteral("*"));
  while (game().state.season == 1) pressOk(game());
  app->recordMenu()->openCourse();
  CourseWindow* window = app->recordMenu()->courseWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), u8("勢力推移"));
  const auto series = window->chart()->series();
  ASSERT_EQ(series.size(), 10);
  for (int house = 1; house <= 10; ++house) {
    auto* line = qobject_cast<QLineSeries*>(series[house - 1]);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->name(), QString::fromStdString(game().state.nations[house].name));
    ASSERT_GE(line->count(), 2);
    EXPECT_EQ(line->at(0), QPointF(1, 1));  // the spring of year 1: a province each
    EXPECT_EQ(line->at(line->count() - 1), QPointF(1.25, game().course[1].provinces[house]));
  }
  // The open chart follows the game: a point more at the next season's start.
  const int before = qobject_cast<QLineSeries*>(window->chart()->series()[0])->count();
  recordSeasonStart(game());
  EXPECT_EQ(qobject_cast<QLineSeries*>(window->chart()->series()[0])->count(), before + 1);

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
