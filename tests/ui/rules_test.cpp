// The rules at hand: the order buttons' tooltips and the settings dialog's house box.
#include <QAction>
#include <QLineEdit>
#include <QRegularExpression>
#include <functional>
#include <string>
#include <vector>

#include "core/game.h"
#include "ui/common/widgets_util.h"
#include "ui_fixture.h"

namespace velmora::ui::test {
namespace {

// A refusal as the player meets it: the order chosen in a state that calls for it, the boxes
// typed into, and the box the game answers with.
struct Refusal {
  const char* group;   // cmdGunji or cmdSeiji
  const char* button;  // the order's button
  std::function<void(GameState&)> setUp;
  std::vector<std::pair<const char*, const char*>> typed;  // then OK, unless refused already
  const char* box;
  const char* entry = nullptr;  // the box the refusal is about, whose tooltip names it too
};

// The box as a tooltip quotes it: the figure of the moment is written 〇〇.
QString asTooltipQuotes(const std::string& box) {
  QString text = qs(box);
  text.replace(QRegularExpression(QStringLiteral("-?\\d+(?=しか持っていません)")),
               QString::fromUtf8("〇〇"));
  return QString::fromUtf8("「") + text + QString::fromUtf8("」");
}

std::vector<Refusal> refusals() {
  auto toOda = [](GameState& s) { s.provinces[2].lord = "織田"; };
  std::vector<Refusal> cases = {
      {"cmdGunji", "cmdIdo", nullptr, {}, "隣に味方の領土がありません"},
      {"cmdGunji", "cmdIdo", toOda, {{"txtPic6(2)", "x"}}, "整数を入力してください", "txtPic6(2)"},
      {"cmdGunji", "cmdIdo", toOda, {{"txtPic6(0)", "51"}}, "兵が足りません", "txtPic6(0)"},
      {"cmdGunji", "cmdIdo", toOda, {{"txtPic6(1)", "41"}}, "食料が足りません", "txtPic6(1)"},
      {"cmdGunji", "cmdIdo", toOda, {{"txtPic6(2)", "38"}}, "金が足りません", "txtPic6(2)"},
      {"cmdGunji",
       "cmdIdo",
       toOda,
       {{"txtPic6(0)", "0"}, {"txtPic6(1)", "0"}, {"txtPic6(2)", "0"}},
       "どれかは1以上の数字を入力してください(0ならキャンセルを)",
       "txtPic6(1)"},
      {"cmdGunji",
       "cmdSento",
       [](GameState& s) {
         for (int p : {2, 5, 6}) s.provinces[p].lord = "織田";
       },
       {},
       "戦闘可能都市がありません"},
      {"cmdGunji", "cmdSento", [](GameState& s) { s.provinces[1].troops = 0; }, {}, "兵力が0です"},
      {"cmdGunji",
       "cmdSento",
       nullptr,
       {{"txtPic6(1)", "x"}},
       "整数を入力してください",
       "txtPic6(1)"},
      {"cmdGunji", "cmdSento", nullptr, {{"txtPic6(0)", "51"}}, "足りません", "txtPic6(0)"},
      {"cmdGunji",
       "cmdSento",
       nullptr,
       {{"txtPic6(0)", "-1"}},
       "兵力数は1以上の数字を入力してください",
       "txtPic6(0)"},
      {"cmdGunji",
       "cmdSento",
       nullptr,
       {{"txtPic6(0)", "30"}, {"txtPic6(1)", "20"}},
       "食料が足りません",
       "txtPic6(1)"},
      {"cmdGunji",
       "cmdSento",
       nullptr,
       {{"txtPic6(0)", "30"}, {"txtPic6(2)", "38"}},
       "金が足りません",
       "txtPic6(2)"},
      {"cmdGunji",
       "cmdHeizokyo",
       [](GameState& s) { s.provinces[1].troops = 999; },
       {},
       "これ以上増やせません"},
      {"cmdGunji", "cmdHeizokyo", nullptr, {{"txtPic5", "4"}}, "金が足りません", "txtPic5"},
      {"cmdGunji",
       "cmdBusouzokyo",
       [](GameState& s) { s.provinces[1].arms = 999; },
       {},
       "これ以上増やせません"},
      {"cmdGunji",
       "cmdBusouzokyo",
       [](GameState& s) { s.provinces[1].gold = 9; },
       {},
       "金が足りません"},
      {"cmdGunji", "cmdBusouzokyo", nullptr, {{"txtPic5", "7"}}, "金が足りません", "txtPic5"},
      {"cmdSeiji",
       "cmdUri",
       nullptr,
       {{"txtPic5", "-1"}},
       "0以上の数字を入力してください",
       "txtPic5"},
      {"cmdSeiji", "cmdUri", nullptr, {{"txtPic5", "41"}}, "食料40しか持っていません", "txtPic5"},
      {"cmdSeiji",
       "cmdUri",
       [](GameState& s) { s.provinces[1].gold = 999; },
       {{"txtPic5", "10"}},
       "これ以上金を増やせません"},
      {"cmdSeiji",
       "cmdKai",
       [](GameState& s) { s.provinces[1].food = 999; },
       {{"txtPic5", "10"}},
       "これ以上食料を増やせません"},
      {"cmdSeiji",
       "cmdKai",
       [](GameState& s) { s.provinces[1].gold = 0; },
       {{"txtPic5", "0"}},
       "金が足りません",
       "txtPic5"},
  };
  // Every order with an amount refuses one that is no number, or more gold than is held.
  const std::pair<const char*, const char*> amountOrders[] = {
      {"cmdGunji", "cmdHeizokyo"}, {"cmdGunji", "cmdBusouzokyo"}, {"cmdSeiji", "cmdKokuryoku"},
      {"cmdSeiji", "cmdMachi"},    {"cmdSeiji", "cmdSiro"},       {"cmdSeiji", "cmdUri"},
      {"cmdSeiji", "cmdKai"}};
  for (const auto& [group, button] : amountOrders) {
    cases.push_back(
        {group, button, nullptr, {{"txtPic5", "abc"}}, "整数を入力してください", "txtPic5"});
    if (std::string(button) != "cmdUri") {
      cases.push_back(
          {group, button, nullptr, {{"txtPic5", "38"}}, "金37しか持っていません", "txtPic5"});
    }
  }
  // The three developments: the limit, the least gold, the greatest and the least investment.
  const struct {
    const char* button;
    std::int32_t Province::*field;
  } developments[] = {{"cmdKokuryoku", &Province::power},
                      {"cmdMachi", &Province::town},
                      {"cmdSiro", &Province::castle}};
  for (const auto& d : developments) {
    cases.push_back({"cmdSeiji",
                     d.button,
                     [f = d.field](GameState& s) { s.provinces[1].*f = 999; },
                     {},
                     "これ以上増やせません"});
    cases.push_back({"cmdSeiji",
                     d.button,
                     [](GameState& s) { s.provinces[1].gold = 9; },
                     {},
                     "金が足りません"});
    cases.push_back({"cmdSeiji",
                     d.button,
                     [](GameState& s) { s.provinces[1].gold = 200; },
                     {{"txtPic5", "101"}},
                     "投資は100までです",
                     "txtPic5"});
    cases.push_back(
        {"cmdSeiji", d.button, nullptr, {{"txtPic5", "9"}}, "金が足りません", "txtPic5"});
  }
  return cases;
}

// Each refusal box the game shows for an order is named by the tooltip of the order's button,
// and by that of the box it is about, which is also the control's accessible description.
TEST_F(UiTest, EveryOrderButtonNamesTheBoxesItsOrderIsRefusedWith) {
  startGame();
  nextPositionPlays(1);
  click("cmdOk");
  ASSERT_EQ(shownPanel(), u8("pic2"));
  GameState& s = game().state;
  const Province opening = s.provinces[1];
  const std::string neighbours[3] = {s.provinces[2].lord, s.provinces[5].lord, s.provinces[6].lord};
  for (const Refusal& r : refusals()) {
    SCOPED_TRACE(std::string(r.button) + " " + r.box);
    Province& owari = s.provinces[1];
    owari = opening;
    owari.troops = 50;
    owari.food = 40;
    owari.gold = 37;
    owari.arms = 20;
    s.troopsPrice = 5;
    s.armsPrice = 8;
    s.foodPrice = 1;
    s.provinces[2].lord = neighbours[0];
    s.provinces[5].lord = neighbours[1];
    s.provinces[6].lord = neighbours[2];
    if (r.setUp) r.setUp(s);
    boxes.clear();
    click(r.group);
    click(r.button);
    const QString panel = shownPanel();
    if (panel != u8("pic2")) {
      for (const auto& [box, text] : r.typed) control<QLineEdit>(u8(box))->setText(u8(text));
      click(panel == u8("pic5") ? "cmdOkpic5" : "cmdOkpic6");
    }
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, r.box);
    EXPECT_EQ(shownPanel(), u8("pic2"));

    QPushButton* button = control(u8(r.button));
    EXPECT_TRUE(button->toolTip().contains(asTooltipQuotes(boxes.back().text)))
        << ss(button->toolTip());
    EXPECT_EQ(button->accessibleDescription(), button->toolTip());
    if (r.entry) {
      auto* entry = control<QLineEdit>(u8(r.entry));
      EXPECT_TRUE(entry->toolTip().contains(asTooltipQuotes(boxes.back().text)))
          << ss(entry->toolTip());
      EXPECT_EQ(entry->accessibleDescription(), entry->toolTip());
    }
  }
}

// The house box names the houses one may play: at start-up those of the opening scenario,
// later those of the running game. "*" and an empty box watch without being asked, as does
// every house of the running game.
TEST_F(UiTest, TheHouseBoxNamesTheHousesAndWatchingByStarOrEmptyIsNotAsked) {
  app->start();
  QString tip = named<QLineEdit>(app->settingsDialog(), "Text1")->toolTip();
  for (const char* house :
       {"織田", "徳川", "今川", "武田", "斉藤", "北畠", "六角", "浅井", "朝倉", "足利"}) {
    EXPECT_TRUE(tip.contains(u8(house))) << house;
  }
  startGame(QStringLiteral("*"));
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(game().state.playerHouse, "*");

  // A house of the running game by a name of its own, as a saved game may hold it.
  game().state.nations[2].name = "松平";
  for (const char* house : {"", "松平"}) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the dialog closed
    control<QAction>("mnuSettei")->trigger();
    SettingsDialog* dialog = app->settingsDialog();
    ASSERT_NE(dialog, nullptr);
    QLineEdit* box = named<QLineEdit>(dialog, "Text1");
    tip = box->toolTip();
    EXPECT_TRUE(tip.contains(u8("松平")));
    EXPECT_FALSE(tip.contains(u8("徳川")));
    box->setText(u8(house));
    named(dialog, "Command1")->click();
    EXPECT_TRUE(boxes.empty()) << boxes.front().text;
  }
  EXPECT_EQ(game().state.playerHouse, "松平");
}

}  // namespace
}  // namespace velmora::ui::test
