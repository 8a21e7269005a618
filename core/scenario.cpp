#include "core/scenario.h"

#include "core/board_port.h"
#include "core/course.h"
#include "core/market.h"
#include "core/messages.h"
#include "core/province_check.h"
#include "core/quiet_port.h"
#include "core/random.h"

namespace velmora {

void newGame(Game& g) {
  GameState& s = g.state;
  s.currentProvince = 1;
  s.year = 1;
  s.title = "Velmora";
  s.season = 1;
  s.seasonNames = {"", "春", "夏", "秋", "冬"};
  s.orderPosition = 1;
  s.autoAdvanceReady = true;
  s.turnStart = true;
  s.delegated.fill(false);
  g.ui.board.setCaption(turnCaption(s));

  setProvince(s, 1, "尾張", "織田", 20, 20, 30, 10, 10, 10, 35, 50);
  setProvince(s, 2, "三河", "徳川", 10, 10, 25, 10, 10, 10, 15, 50);
  setProvince(s, 3, "遠江", "今川", 10, 15, 20, 10, 10, 30, 10, 50);
  setProvince(s, 4, "信濃", "武田", 20, 10, 10, 10, 10, 30, 20, 50);
  setProvince(s, 5, "美濃", "斉藤", 10, 20, 30, 10, 10, 20, 20, 50);
  setProvince(s, 6, "伊勢", "北畠", 10, 10, 20, 10, 10, 10, 10, 50);
  setProvince(s, 7, "南近江", "六角", 10, 20, 20, 10, 10, 10, 10, 50);
  setProvince(s, 8, "北近江", "浅井", 20, 20, 20, 10, 10, 10, 15, 50);
  setProvince(s, 9, "越前", "朝倉", 20, 10, 30, 10, 10, 10, 10, 50);
  setProvince(s, 10, "京", "足利", 10, 50, 30, 10, 10, 10, 15, 50);

  setNation(s, 1, "織田", "戦争", "猛進", "射撃");
  setNation(s, 2, "徳川", "内政", "慎重", "包囲");
  setNation(s, 3, "今川", "戦争", "猛進", "包囲");
  setNation(s, 4, "武田", "戦争", "慎重", "突撃");
  setNation(s, 5, "斉藤", "内政", "普通", "射撃");
  setNation(s, 6, "北畠", "内政", "普通", "防御");
  setNation(s, 7, "六角", "普通", "普通", "通常");
  setNation(s, 8, "浅井", "普通", "普通", "突撃");
  setNation(s, 9, "朝倉", "普通", "普通", "通常");
  setNation(s, 10, "足利", "内政", "慎重", "通常");
  g.course.clear();
  recordSeasonStart(g);

  checkAllProvinces(g);
  drawMarketPrices(g);
  g.started = true;
}

void openGame(Game& g) {
  newGame(g);
  showLine1(g, std::to_string(g.state.year) + "年目、春です");
  g.ui.board.setOkLabelVisible(true);
}

std::vector<std::string> openingHouseNames() {
  QuietPort quiet;
  SeededRandom random(0);
  Game opening(quiet, random);
  newGame(opening);
  std::vector<std::string> names;
  for (int n = 1; n <= kNationCount; ++n) names.push_back(opening.state.nations[n].name);
  return names;
}

}  // namespace velmora
