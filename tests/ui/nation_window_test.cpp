#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <cstdlib>
#include <vector>

#include "core/game.h"
#include "core/quiet_port.h"
#include "core/random.h"
#include "core/scenario.h"
#include "ui/windows/nation_lines.h"
#include "ui/windows/nation_window.h"

namespace {

using velmora::ui::NationWindow;

class NationWindowTest : public ::testing::Test {
 protected:
  NationWindowTest() : game(port, rng) {
    game.state.playerHouse = "織田";
    velmora::newGame(game);
  }

  // A window that records where it scrolled the map.
  std::unique_ptr<NationWindow> open() {
    auto window = std::make_unique<NationWindow>(
        game, [this](int p) { scrolled.push_back(p); }, nullptr);
    window->show();
    return window;
  }

  static QListWidget* houses(NationWindow& w) {
    return w.findChild<QListWidget*>(QStringLiteral("lstName"));
  }

  velmora::QuietPort port;
  velmora::SeededRandom rng{1};
  velmora::Game game;
  std::vector<int> scrolled;
};

TEST_F(NationWindowTest, ShowsTheHeadingAndOneLinePerHouse) {
  game.state.nations[5].wins = 5;
  game.state.nations[5].losses = 12;
  auto window = open();
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("国家情報"));
  auto* heading = window->findChild<QListWidget*>(QStringLiteral("LL"));
  ASSERT_NE(heading, nullptr);
  ASSERT_EQ(heading->count(), 1);
  EXPECT_EQ(heading->item(0)->text().toStdString(), velmora::ui::nationHeadingLine());
  QListWidget* list = houses(*window);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), 10);
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(list->item(i - 1)->text().toStdString(),
              velmora::ui::nationLine(game.state.nations[i]));
  }
  EXPECT_TRUE(list->item(4)->text().startsWith(QString::fromUtf8("斉藤")));
  EXPECT_TRUE(list->item(4)->text().contains(QStringLiteral("     005    012")));
  // Nothing is chosen by opening the window.
  EXPECT_TRUE(list->selectedItems().isEmpty());
  EXPECT_TRUE(scrolled.empty());
}

// 武田 holds provinces 3 and 7: the map is scrolled to both in order, ending on 7.
TEST_F(NationWindowTest, ChoosingAHouseScrollsToEachOfItsProvincesAndCloses) {
  game.state.provinces[3].lord = "武田";
  game.state.provinces[4].lord = "今川";
  game.state.provinces[7].lord = "武田";
  auto window = open();
  QListWidget* list = houses(*window);
  const QRect line = list->visualItemRect(list->item(3));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, line.center());
  EXPECT_EQ(scrolled, (std::vector<int>{3, 7}));
  EXPECT_FALSE(window->isVisible());
}

TEST_F(NationWindowTest, AConqueredHouseScrollsNothingButStillCloses) {
  game.state.provinces[2].lord = "織田";  // 徳川 has lost its only province
  auto window = open();
  houses(*window)->item(1)->setSelected(true);
  EXPECT_TRUE(scrolled.empty());
  EXPECT_FALSE(window->isVisible());
}

TEST_F(NationWindowTest, TheKeyboardChoosesToo) {
  auto window = open();
  QListWidget* list = houses(*window);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(scrolled, (std::vector<int>{1}));  // the first Down chooses 織田
  EXPECT_FALSE(window->isVisible());
}

TEST_F(NationWindowTest, CloseMenuClosesWithoutScrolling) {
  auto window = open();
  auto* close = window->findChild<QAction*>(QStringLiteral("mnuNationClose"));
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->text(), QString::fromUtf8("閉じる(&C)"));
  close->trigger();
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(scrolled.empty());
}

TEST_F(NationWindowTest, LegendAndTitle) {
  auto window = open();
  if (const char* shot = std::getenv("VELMORA_SHOT_DIR")) {
    window->grab().save(QString::fromUtf8(shot) + QStringLiteral("/nation_window.png"));
  }
  QStringList texts;
  for (QLabel* l : window->findChildren<QLabel*>()) texts << l->text();
  for (const char* t : {"過去の戦闘データ", "政治", "戦争", "戦闘", "普通です", "富国政策中心",
                        "相手の過去データを読みます", "敵の士気が低下しやすいが自軍兵力が1/2に",
                        "特に突撃に対して強い", "守るに適してる"}) {
    EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
  }
}

}  // namespace
