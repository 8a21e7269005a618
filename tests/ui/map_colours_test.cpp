// The map in the holders' colours, read back from the rendered surface.
#include <QFile>
#include <QImage>

#include "core/game.h"
#include "core/province_check.h"
#include "game/game_start.h"
#include "game/save_game.h"
#include "ui/common/house_colours.h"
#include "ui/main/map_surface.h"
#include "ui_fixture.h"

namespace velmora::ui::test {
namespace {

// A point of 三河's region clear of its panel and of the lines between neighbours.
constexpr QPoint kInMikawa(630, 290);
// A point on the border of 尾張 and 美濃, just off the border line itself.
constexpr QPoint kByOwari(470, 236);

QColor mapColourAt(MainWindow* form, QPoint at) {
  const QImage image = form->mapSurface()->grab().toImage();
  return image.pixelColor(at * image.devicePixelRatio());
}

TEST_F(UiTest, EachRegionShowsItsHolderAfterAConquestALoadAndANewGame) {
  startGame(u8("*"));
  // A spectator's opening is the map as drawn, byte for byte and so pixel for pixel.
  QFile drawn(QStringLiteral(":/assets/map.svg"));
  ASSERT_TRUE(drawn.open(QIODevice::ReadOnly));
  EXPECT_EQ(MapSurface::mapSvg(form()->mapSurface()->holders()), drawn.readAll());
  EXPECT_EQ(mapColourAt(form(), kInMikawa), houseFill(2));
  EXPECT_NE(mapColourAt(form(), kByOwari), QColor(Qt::white));

  game().state.provinces[2].lord = "織田";
  checkProvince(game(), 2);
  EXPECT_EQ(mapColourAt(form(), kInMikawa), houseFill(1));

  // Saved with 武田 in 三河, loaded back after 三河 went home again.
  game().state.provinces[2].lord = "武田";
  game().state.messageWait = 0.1;
  ASSERT_TRUE(saveGame(game()));
  game().state.provinces[2].lord = "徳川";
  checkProvince(game(), 2);
  EXPECT_EQ(mapColourAt(form(), kInMikawa), houseFill(2));
  loadGame(game());
  EXPECT_EQ(mapColourAt(form(), kInMikawa), houseFill(4));

  startNewGame(game());
  EXPECT_EQ(mapColourAt(form(), kInMikawa), houseFill(2));
}

}  // namespace
}  // namespace velmora::ui::test

namespace velmora::ui::test {
namespace {

// The player's regions stand out by a white band along their borders.
TEST_F(UiTest, ThePlayersRegionsAreOutlined) {
  startGame();
  EXPECT_EQ(mapColourAt(form(), kByOwari), QColor(Qt::white));
  EXPECT_EQ(mapColourAt(form(), kInMikawa), houseFill(2));
}

}  // namespace
}  // namespace velmora::ui::test
