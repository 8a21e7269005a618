#include <gtest/gtest.h>

#include "core/events.h"
#include "engine/fake_port.h"

namespace velmora::test {
namespace {

// Draws that leave province i unstruck.
void skip(ScriptedRandom& rng, int provinces) {
  for (int i = 0; i < provinces; ++i) rng.push(0.3);
}

TEST(Events, MostYearsDrawNoEvent) {
  Fixture f;
  f.port.clear();
  f.rng.push(0.8);  // d = 9
  rollEvent(f.game);
  EXPECT_TRUE(f.port.events.empty());
  EXPECT_EQ(f.rng.remaining(), 0u);

  f.rng.push({0.0, 0.8});  // d = 1, e = 9
  rollEvent(f.game);
  EXPECT_TRUE(f.port.events.empty());
  EXPECT_EQ(f.rng.remaining(), 0u);
}

TEST(Events, GoodHarvestListsOnlyStruckProvincesAndRedrawsOnOk) {
  Fixture f;
  f.port.clear();
  f.s.provinces[10].food = 995;
  f.rng.push({0.7, 0.0});  // d = 8: an event; e = 1: good harvest
  f.rng.push({0.4, 0.4});  // 尾張 struck (x = 5), amount 12
  skip(f.rng, 8);
  f.rng.push({0.99, 0.99});  // 京 struck, amount 20, held at 999
  rollEvent(f.game);
  ASSERT_EQ(f.port.events.size(), 1u);
  std::vector<std::string> expected{"「豊作」です", "尾張で豊作「12」増えました",
                                    "京で豊作「20」増えました"};
  EXPECT_EQ(f.port.events[0], expected);
  EXPECT_EQ(f.s.provinces[1].food, 22);
  EXPECT_EQ(f.s.provinces[2].food, 10);
  EXPECT_EQ(f.s.provinces[10].food, 999);
  EXPECT_EQ(f.port.redraws.size(), 10u);  // the window's OK checks all ten
  EXPECT_EQ(f.rng.remaining(), 0u);
}

TEST(Events, AYearWithAnEventCanStrikeNobody) {
  Fixture f;
  f.port.clear();
  f.rng.push({0.0, 0.5});  // e = 6: volunteers
  skip(f.rng, 10);
  rollEvent(f.game);
  ASSERT_EQ(f.port.events.size(), 1u);
  EXPECT_EQ(f.port.events[0], std::vector<std::string>{"「義兵の参加」です"});
}

TEST(Events, PoorHarvestKeepsFiveFoodAndShowsTheDrawnAmount) {
  Fixture f;
  f.s.provinces[1].food = 8;
  f.rng.push({0.5, 0.9});  // 尾張 struck, amount 19
  skip(f.rng, 9);
  auto lines = applyEvent(f.game, EventKind::PoorHarvest);
  EXPECT_EQ(lines, std::vector<std::string>{"尾張で凶作「19」減りました"});
  EXPECT_EQ(f.s.provinces[1].food, 5);
}

TEST(Events, TyphoonDrawsPowerTownCastleInOrderAndStopsAtZero) {
  Fixture f;
  Province& kyo = f.s.provinces[10];
  kyo.power = 3;
  const Province before = kyo;
  skip(f.rng, 9);
  f.rng.push({0.6, 0.4, 0.2, 0.6});  // struck; power 5, town 3, castle 7
  auto lines = applyEvent(f.game, EventKind::Typhoon);
  EXPECT_EQ(lines,
            std::vector<std::string>{"京で大型台風国力、町、城の値が「5」「3」「7」減りました"});
  EXPECT_EQ(kyo.power, 0);
  EXPECT_EQ(kyo.town, before.town - 3);
  EXPECT_EQ(kyo.castle, before.castle - 7);
  EXPECT_EQ(kyo.gold, before.gold);
  EXPECT_EQ(kyo.morale, before.morale);
  EXPECT_EQ(kyo.lord, before.lord);
}

// Nobody watching: no line is written, but every draw and every change is the same.
TEST(Events, AnUnwatchedTyphoonDrawsAndChangesTheSame) {
  Fixture watched;
  Fixture unwatched;
  unwatched.port.watchedScreen = false;
  for (Fixture* f : {&watched, &unwatched}) {
    f->rng.push({0.6, 0.4, 0.2, 0.6});  // 尾張 struck; power 5, town 3, castle 7
    for (int i = 0; i < 9; ++i) f->rng.push({0.7, 0.1, 0.5, 0.9});
    EXPECT_EQ(applyEvent(f->game, EventKind::Typhoon).size(), f == &watched ? 10u : 0u);
    EXPECT_EQ(f->rng.remaining(), 0u);
  }
  EXPECT_EQ(unwatched.s.provinces, watched.s.provinces);
}

TEST(Events, EachRaisingKindChangesItsOwnField) {
  struct Case {
    EventKind kind;
    std::int32_t Province::*field;
    const char* line;
  };
  const Case cases[] = {
      {EventKind::LandClearing, &Province::power, "尾張で開墾技術の向上「6」増えました"},
      {EventKind::TownProsperity, &Province::town, "尾張で町の繁栄「6」増えました"},
      {EventKind::CastleBuilding, &Province::castle, "尾張で築城技術の進歩「6」増えました"},
      {EventKind::Volunteers, &Province::troops, "尾張で義兵の参加「6」増えました"},
      {EventKind::NewWeapons, &Province::arms, "尾張で新兵器の開発「6」増えました"},
  };
  for (const auto& c : cases) {
    Fixture f;
    const Province before = f.s.provinces[1];
    f.rng.push({0.4, 0.0});
    skip(f.rng, 9);
    EXPECT_EQ(applyEvent(f.game, c.kind), std::vector<std::string>{c.line});
    Province expected = before;
    expected.*c.field += 6;
    EXPECT_EQ(f.s.provinces[1], expected) << c.line;
  }
}

}  // namespace
}  // namespace velmora::test
