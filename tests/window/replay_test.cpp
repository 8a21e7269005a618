// A recorded turn of the player's orders (recorded_turn.h), played once by the engine alone and
// once through the real window under xvfb-run by clicks and keys the X server delivers: from
// the same saved game and the same seed both must save the same Game.dt at the next turn.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"
#include "core/map.h"
#include "core/order_input.h"
#include "core/quiet_port.h"
#include "core/random.h"
#include "core/scenario.h"
#include "core/settings.h"
#include "game/orders.h"
#include "game/save_game.h"
#include "game/turn_cycle.h"
#include "persistence/save_file.h"
#include "recorded_turn.h"
#include "ui/app/game_app.h"
#include "ui/main/main_window.h"
#include "window_game.h"

namespace velmora::ui {
namespace {

namespace fs = std::filesystem;
using replay::RecordedOrder;
using replay::ScriptCursor;

// A turn takes a dozen presses; far more means the game never came back to a turn start.
constexpr int kMostPresses = 100;
// Long enough for a busy machine to get through a computer province's held lines.
constexpr int kWaitMs = 30000;

// What a played turn left: Game.dt saved at the start of the next turn and every box shown
// after the load, the save's own included.
struct PlayedTurn {
  std::string saved;
  std::vector<std::string> boxes;
};

// The first spring of the opening scenario, played by the player at the fastest message
// speed, with the player's house holding more provinces and the others too weak to attack.
void writeStartingGame(const fs::path& file) {
  QuietPort port;
  SeededRandom rng(1);
  Game g(port, rng);
  newGame(g);
  GameState& s = g.state;
  SettingsChoice choice;
  choice.speedIndex = 0;
  choice.houseName = s.provinces[1].lord;
  confirmSettings(s, choice);
  for (int p : replay::kAlliedProvinces) s.provinces[p].lord = s.provinces[1].lord;
  for (int p = 1; p <= kProvinceCount; ++p) {
    Province& pr = s.provinces[p];
    if (isPlayerProvince(s, p)) {
      pr.food = pr.gold = pr.troops = replay::kStock;
    } else {
      pr.troops = replay::kGarrison;
    }
  }
  ASSERT_FALSE(writeSaveFile(s, file, true).has_value());
}

std::string savedBytes(const Game& g) {
  SaveOutcome<std::string> bytes = readSaveBytes(saveFilePath(g));
  EXPECT_TRUE(bytes) << bytes.error.describe();
  return bytes ? *bytes.value : std::string();
}

// The engine's screen for the data path: boxes answered OK and noted, details kept as the
// window's history keeps them.
class DataPort : public QuietPort {
 public:
  BoxResult messageBox(const MessageBoxRequest& request) override {
    boxes.push_back(request.text);
    return BoxResult::Ok;
  }
  bool keepsDetails() const override { return true; }
  void openBattleWindow() override { battles += 1; }

  std::vector<std::string> boxes;
  int battles = 0;
};

// The recorded orders as values: OK pressed until a player's province waits on the order
// panel, its order chosen and confirmed with what was recorded, on to the next turn's start.
PlayedTurn playAsData(const fs::path& start, const fs::path& saves, GameState& loaded) {
  PlayedTurn turn;
  DataPort port;
  SeededRandom rng(0);
  Game g(port, rng);
  g.saveDirectory = saves;
  if (!loadGameFrom(g, start)) {
    ADD_FAILURE() << "the starting game did not load";
    return turn;
  }
  loaded = g.state;
  rng.reseed(replay::kSeed);
  port.boxes.clear();
  ScriptCursor script;
  int presses = 0;
  do {
    pressOk(g);
    while (g.currentPanel == Panel::Order) {
      const int p = g.state.currentProvince;
      const RecordedOrder* order = script.next(p);
      if (order == nullptr) {
        ADD_FAILURE() << "no recorded order left for province " << p;
        return turn;
      }
      selectOrder(g, order->input.order);
      if (order->input.order != CommandKind::DoNothing) confirmOrder(g, order->input);
      EXPECT_EQ(g.currentPanel == Panel::Order, order->refused) << "province " << p;
    }
  } while (!g.state.turnStart && ++presses < kMostPresses);
  EXPECT_TRUE(g.state.turnStart);
  EXPECT_TRUE(script.allUsed()) << "a recorded order was never given";
  EXPECT_EQ(port.battles, 0);
  EXPECT_TRUE(saveGame(g));
  turn.saved = savedBytes(g);
  turn.boxes = port.boxes;
  return turn;
}

// The two order buttons a player clicks for an order: its group's on the order panel, then
// its own (doing nothing is on the order panel itself).
std::pair<const char*, const char*> buttonsFor(CommandKind kind) {
  switch (kind) {
    case CommandKind::Move:
      return {"cmdGunji", "cmdIdo"};
    case CommandKind::Attack:
      return {"cmdGunji", "cmdSento"};
    case CommandKind::RaiseTroops:
      return {"cmdGunji", "cmdHeizokyo"};
    case CommandKind::RaiseArms:
      return {"cmdGunji", "cmdBusouzokyo"};
    case CommandKind::RaisePower:
      return {"cmdSeiji", "cmdKokuryoku"};
    case CommandKind::BuildTown:
      return {"cmdSeiji", "cmdMachi"};
    case CommandKind::BuildCastle:
      return {"cmdSeiji", "cmdSiro"};
    case CommandKind::SellFood:
      return {"cmdSeiji", "cmdUri"};
    case CommandKind::BuyFood:
      return {"cmdSeiji", "cmdKai"};
    case CommandKind::DoNothing:
    case CommandKind::None:
      break;
  }
  return {nullptr, "cmdNothing"};
}

// The real program, driven by the X server's clicks and keys.
class ReplayOnScreen : public ::testing::Test {
 protected:
  template <typename T = QWidget>
  T* part(const char* name) {
    T* w = form->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  static bool xdotool(const QStringList& args) {
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
  }

  // A click at a point of a widget, or at its centre.
  void click(QWidget* w) { click(w, w->rect().center()); }
  void click(QWidget* w, QPoint at) {
    const QPoint p = w->mapTo(form, at);
    ASSERT_TRUE(xdotool({"mousemove", "--window", QString::number(form->winId()),
                         QString::number(p.x()), QString::number(p.y()), "click", "1"}));
  }

  // The list shows two of its lines: the wheel turned over it until the line is in view.
  void wheelIntoView(QListWidget* list, QListWidgetItem* line) {
    QScrollBar* bar = list->verticalScrollBar();
    for (int notch = 0; notch < list->count(); ++notch) {
      if (list->viewport()->rect().contains(list->visualItemRect(line))) return;
      const int before = bar->value();
      const QPoint p = list->viewport()->mapTo(form, list->viewport()->rect().center());
      ASSERT_TRUE(xdotool({"mousemove", "--window", QString::number(form->winId()),
                           QString::number(p.x()), QString::number(p.y()), "click", "5"}));
      ASSERT_NO_FATAL_FAILURE(waitFor([&] { return bar->value() != before; }, "the list scrolled"));
    }
    FAIL() << "the line never came into view";
  }

  // Replaces a box's text by typing, as a player selects what is there and types over it.
  void typeInto(QLineEdit* box, const std::string& text) {
    ASSERT_NO_FATAL_FAILURE(click(box));
    ASSERT_TRUE(xdotool({"key", "ctrl+a"}));
    ASSERT_TRUE(xdotool({"type", "--delay", "20", QString::fromStdString(text)}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return box->text().toStdString() == text; }, kWaitMs))
        << "typed " << text << ", the box shows " << box->text().toStdString();
  }

  bool shows(QWidget* w) const { return w->isVisible(); }

  void waitFor(const std::function<bool()>& shown, const char* what) {
    ASSERT_TRUE(QTest::qWaitFor(shown, kWaitMs)) << "the window never showed " << what;
  }

  // One recorded order, given on the order panel the game shows for its province.
  void give(const RecordedOrder& order) {
    const auto [group, button] = buttonsFor(order.input.order);
    if (group != nullptr) {
      QWidget* groupPanel = part(std::string_view(group) == "cmdGunji" ? "pic3" : "pic4");
      ASSERT_NO_FATAL_FAILURE(click(part(group)));
      ASSERT_NO_FATAL_FAILURE(waitFor([&] { return shows(groupPanel); }, group));
    }
    ASSERT_NO_FATAL_FAILURE(click(part(button)));
    if (order.input.order == CommandKind::DoNothing) {
      ASSERT_NO_FATAL_FAILURE(waitFor([&] { return shows(message) && !shows(orders); }, button));
      return;
    }

    const bool move = order.input.order == CommandKind::Move;
    QWidget* entry = part(move ? "pic6" : "pic5");
    ASSERT_NO_FATAL_FAILURE(waitFor([&] { return shows(entry); }, move ? "pic6" : "pic5"));
    if (move) {
      auto* list = part<QListWidget>("lstPic6");
      const auto lines =
          list->findItems(QString::fromStdString(order.input.target), Qt::MatchExactly);
      ASSERT_EQ(lines.size(), 1) << "no line " << order.input.target;
      ASSERT_NO_FATAL_FAILURE(wheelIntoView(list, lines[0]));
      ASSERT_NO_FATAL_FAILURE(click(list->viewport(), list->visualItemRect(lines[0]).center()));
      ASSERT_NO_FATAL_FAILURE(waitFor([&] { return lines[0]->isSelected(); }, "the line chosen"));
      for (int i = 0; i < 3; ++i) {
        const QString name = QStringLiteral("txtPic6(%1)").arg(i);
        ASSERT_NO_FATAL_FAILURE(
            typeInto(part<QLineEdit>(name.toLatin1().constData()), order.input.targetAmounts[i]));
      }
    } else {
      ASSERT_NO_FATAL_FAILURE(typeInto(part<QLineEdit>("txtPic5"), order.input.amount));
    }
    // What the window hands the engine on OK is the recorded value (the other panel's boxes
    // aside, which this order does not read).
    const OrderInput handed = form->orderInput();
    EXPECT_EQ(handed.order, order.input.order);
    EXPECT_EQ(handed.province, order.input.province);
    if (move) {
      EXPECT_EQ(handed.target, order.input.target);
      EXPECT_EQ(handed.targetAmounts, order.input.targetAmounts);
    } else {
      EXPECT_EQ(handed.amount, order.input.amount);
    }
    ASSERT_NO_FATAL_FAILURE(click(part(move ? "cmdOkpic6" : "cmdOkpic5")));
    ASSERT_NO_FATAL_FAILURE(waitFor(
        [&] { return !shows(entry) && (shows(orders) || shows(message)); }, "the order's end"));
    EXPECT_EQ(shows(orders), order.refused) << "province " << order.input.province;
  }

  // The whole turn: OK, and each player's province's recorded orders as its panel comes up.
  void playTurn(const GameState& loaded) {
    auto* line1 = part<QLabel>("lblMsg");
    auto* prompt = part<QLabel>("lblOk");
    auto* provinceName = part<QLabel>("lblPic2");
    QWidget* ok = part("cmdOk");
    const QString startCaption = form->windowTitle();
    ScriptCursor script;
    // The game waits for the player: on the order panel, or on the message panel with its
    // prompt (the timer presses OK for the computer's provinces without one).
    auto waiting = [&] { return shows(orders) || (shows(message) && shows(prompt)); };
    for (int press = 0; press < kMostPresses && form->windowTitle() == startCaption; ++press) {
      const QString before = line1->text();
      ASSERT_NO_FATAL_FAILURE(click(ok));
      ASSERT_NO_FATAL_FAILURE(
          waitFor([&] { return line1->text() != before && waiting(); }, "the press handled"));
      while (shows(orders)) {
        const int p = provinceNamed(loaded, provinceName->text().toStdString());
        const RecordedOrder* order = script.next(p);
        ASSERT_NE(order, nullptr) << "no recorded order left for "
                                  << provinceName->text().toStdString();
        ASSERT_NO_FATAL_FAILURE(give(*order));
      }
    }
    EXPECT_NE(form->windowTitle(), startCaption) << "the next turn never came";
    EXPECT_TRUE(script.allUsed()) << "a recorded order was never given";
  }

  PlayedTurn playOnScreen(const fs::path& start, const GameState& loaded) {
    PlayedTurn turn;
    EXPECT_NO_FATAL_FAILURE(startOnScreen(app));
    form = app.mainWindow();
    if (form == nullptr) return turn;
    message = part("pic1");
    orders = part("pic2");
    app.port().setBoxHandler([this](QWidget*, const MessageBoxRequest& request) {
      boxes.push_back(request.text);
      return BoxResult::Ok;
    });
    // The menu's load, of the same file put where the game keeps Game.dt.
    const fs::path file = saveFilePath(app.game());
    fs::copy_file(start, file, fs::copy_options::overwrite_existing);
    part<QAction>("mnuLoad")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !boxes.empty(); }, kWaitMs));
    EXPECT_EQ(app.game().state.provinces, loaded.provinces) << "the window's game did not load";
    app.seedRandom(replay::kSeed);
    boxes.clear();

    EXPECT_TRUE(xdotool({"windowfocus", "--sync", QString::number(form->winId())}));
    EXPECT_TRUE(QTest::qWaitForWindowActive(form));
    EXPECT_NO_FATAL_FAILURE(playTurn(loaded));
    if (HasFatalFailure()) return turn;

    fs::remove(file);
    part<QAction>("mnuSave")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(file); }, kWaitMs));
    turn.saved = savedBytes(app.game());
    turn.boxes = boxes;
    return turn;
  }

  std::vector<std::string> boxes;  // the window's, as its box handler answers them
  GameApp app;
  MainWindow* form = nullptr;
  QWidget* message = nullptr;  // pic1
  QWidget* orders = nullptr;   // pic2
};

std::string describe(const Province& p) {
  std::ostringstream out;
  out << "province " << p.number << ": power " << p.power << " town " << p.town << " castle "
      << p.castle << " food " << p.food << " gold " << p.gold << " troops " << p.troops << " arms "
      << p.arms << " morale " << p.morale;
  return out.str();
}

// The first line (1-based) at which two Game.dt differ, 0 when they do not.
int firstDifferentLine(const std::string& a, const std::string& b) {
  int line = 1;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i] != b[i]) return line;
    if (a[i] == '\n') line += 1;
  }
  return a.size() == b.size() ? 0 : line;
}

TEST_F(ReplayOnScreen, TheWindowSavesWhatTheRecordedOrdersGiveAsValues) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const fs::path root = folder.path().toStdString();
  const fs::path start = root / "start" / kSaveFileName;
  ASSERT_NO_FATAL_FAILURE(writeStartingGame(start));
  fs::create_directory(root / "data");

  GameState loaded;
  const PlayedTurn data = playAsData(start, root / "data", loaded);
  ASSERT_FALSE(HasFailure()) << "the recorded turn does not play as data";
  ASSERT_EQ(loaded.messageWait, kHoldTimes.front());

  // The orders were carried out as typed: the move's three amounts (30.7 food is 30), and
  // each other order changed its province.
  SaveOutcome<GameState> after = readSaveFile(root / "data" / kSaveFileName);
  ASSERT_TRUE(after) << after.error.describe();
  const auto& was = loaded.provinces;
  const auto& now = after.value->provinces;
  EXPECT_NE(data.saved, readSaveBytes(start).value.value_or(""));
  EXPECT_EQ(now[1].troops, was[1].troops - 25);
  EXPECT_EQ(now[1].food, was[1].food - 30);
  EXPECT_EQ(now[1].gold, was[1].gold - 12);
  EXPECT_EQ(now[6].troops, was[6].troops + 25);
  EXPECT_EQ(now[6].food, was[6].food + 30);
  EXPECT_EQ(now[6].gold, was[6].gold + 12);
  EXPECT_GT(now[2].power, was[2].power);
  EXPECT_EQ(now[2].town, was[2].town);  // the refused order built nothing
  EXPECT_EQ(now[2].gold, was[2].gold - 30);
  EXPECT_GT(now[4].food, was[4].food);
  EXPECT_LT(now[4].gold, was[4].gold);
  EXPECT_LT(now[5].food, was[5].food);
  EXPECT_GT(now[5].gold, was[5].gold);

  const PlayedTurn screen = playOnScreen(start, loaded);
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(screen.boxes, data.boxes);
  SaveOutcome<GameState> shown = readSaveFile(saveFilePath(app.game()));
  ASSERT_TRUE(shown) << shown.error.describe();
  for (int p = 1; p <= kProvinceCount; ++p) {
    EXPECT_EQ(describe(shown.value->provinces[p]), describe(now[p]));
  }
  EXPECT_TRUE(screen.saved == data.saved)
      << "Game.dt differs from line " << firstDifferentLine(screen.saved, data.saved);
}

}  // namespace
}  // namespace velmora::ui
