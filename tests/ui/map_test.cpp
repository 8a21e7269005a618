// The map picture against the panels and lines that stand on it: every panel over
// its own province, the thirteen lines between provinces that border each other on the
// picture, and every province one piece of land.
#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <array>
#include <map>
#include <utility>
#include <vector>

#include "ui/main/province_panel.h"
#include "ui_fixture.h"

namespace velmora::ui::test {
namespace {

constexpr int kMapWidth = 918;
constexpr int kMapHeight = 630;

// The picture as the main window draws it (ui/main/map_surface.cpp), at a pixel ratio of 1.
QImage renderedMap() {
  QSvgRenderer svg(QStringLiteral(":/assets/map.svg"));
  EXPECT_TRUE(svg.isValid());
  QImage image(kMapWidth, kMapHeight, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  svg.render(&p);
  p.end();
  return image;
}

// Province colours as the picture names them: <path id="p3" fill="#7fc8c2" .../>.
std::array<QRgb, 11> provinceColours() {
  QFile file(QStringLiteral(":/assets/map.svg"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  std::array<QRgb, 11> colours{};
  static const QRegularExpression re(QStringLiteral("id=\"p(\\d+)\" fill=\"(#[0-9a-fA-F]{6})\""));
  for (auto it = re.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const int p = m.captured(1).toInt();
    if (p >= 1 && p <= 10) colours[p] = QColor(m.captured(2)).rgb();
  }
  return colours;
}

// A border pixel: black or black blended into a region's colour by antialiasing.
bool isBorder(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c) < 3 * 150; }

class MapTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    startGame();
    image = renderedMap();
    colours = provinceColours();
    for (int p = 1; p <= 10; ++p) {
      ASSERT_NE(colours[p], 0u) << "no colour for province " << p;
      byColour[colours[p]] = p;
    }
    ASSERT_EQ(byColour.size(), 10u) << "every province has a colour of its own";
  }

  // The centre of the province's panel when closed, in map pixels.
  QPoint panelCentre(int p) {
    ProvincePanel* panel = form()->provincePanel(p);
    const QRect closed(panel->pos(), QSize(1935 / 15, 735 / 15));
    return closed.center();
  }

  int provinceAt(int x, int y) const {
    const auto it = byColour.find(image.pixel(x, y));
    return it == byColour.end() ? 0 : it->second;
  }

  QImage image;
  std::array<QRgb, 11> colours{};
  std::map<QRgb, int> byColour;
};

TEST_F(MapTest, EveryPanelStandsOnItsProvince) {
  EXPECT_EQ(image.size(), QSize(kMapWidth, kMapHeight));
  for (int p = 1; p <= 10; ++p) {
    const QPoint c = panelCentre(p);
    EXPECT_EQ(provinceAt(c.x(), c.y()), p) << "panel " << p << " centre " << c.x() << "," << c.y();
  }
}

// Two provinces share a border where a pixel of one faces a pixel of the other across
// nothing but the black line between them; the pairs of the map lines must do so along at
// least a few pixels, not only at a corner.
TEST_F(MapTest, EveryLineJoinsProvincesThatShareABorder) {
  std::map<std::pair<int, int>, int> contacts;
  const int dirs[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const int a = provinceAt(x, y);
      if (a == 0) continue;
      for (const auto& d : dirs) {
        for (int step = 1; step <= 5; ++step) {
          const int nx = x + d[0] * step, ny = y + d[1] * step;
          if (nx < 0 || ny < 0 || nx >= kMapWidth || ny >= kMapHeight) break;
          const QRgb c = image.pixel(nx, ny);
          if (isBorder(c)) continue;
          const int b = provinceAt(nx, ny);
          if (b != 0 && b != a) ++contacts[{std::min(a, b), std::max(a, b)}];
          break;
        }
      }
    }
  }
  const std::pair<int, int> lines[13] = {{1, 5}, {1, 2}, {2, 3}, {2, 4}, {4, 5}, {3, 4}, {5, 8},
                                         {5, 7}, {1, 6}, {6, 7}, {7, 8}, {8, 9}, {7, 10}};
  for (const auto& [a, b] : lines) {
    const int along = contacts[std::make_pair(a, b)];
    EXPECT_GE(along, 8) << "provinces " << a << " and " << b << " share no border";
  }
}

// One piece: everything of the province's colour hangs together with the land under its
// panel. Specks of a few pixels do not count: where a black line crosses a spit of coast one
// pixel wide (a pier of Nagoya's port, the levee at the Kiso's mouth), antialiasing leaves a
// pixel or two of the colour between the lines, too small to be seen as land.
TEST_F(MapTest, EveryProvinceIsOnePiece) {
  constexpr int kSpeck = 16;
  std::vector<int> piece(kMapWidth * kMapHeight, -1);
  for (int p = 1; p <= 10; ++p) {
    const QPoint centre = panelCentre(p);
    int home = -1, pieces = 0;
    QPoint stray(-1, -1);
    for (int start = 0; start < kMapWidth * kMapHeight; ++start) {
      if (piece[start] >= 0 || provinceAt(start % kMapWidth, start / kMapWidth) != p) continue;
      // Flood fill one piece through the province's colour.
      const int id = start;
      int size = 0;
      std::vector<int> todo{start};
      piece[start] = id;
      while (!todo.empty()) {
        const int i = todo.back();
        todo.pop_back();
        ++size;
        const int x = i % kMapWidth, y = i / kMapWidth;
        const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
        for (const auto& n : next) {
          if (n[0] < 0 || n[1] < 0 || n[0] >= kMapWidth || n[1] >= kMapHeight) continue;
          const int j = n[1] * kMapWidth + n[0];
          if (piece[j] < 0 && provinceAt(n[0], n[1]) == p) {
            piece[j] = id;
            todo.push_back(j);
          }
        }
      }
      if (piece[centre.y() * kMapWidth + centre.x()] == id) {
        home = id;
      } else if (size > kSpeck) {
        ++pieces;
        stray = QPoint(start % kMapWidth, start / kMapWidth);
      }
    }
    EXPECT_GE(home, 0) << "province " << p << " is not under its panel";
    EXPECT_EQ(pieces, 0) << "province " << p << " has another piece at " << stray.x() << ","
                         << stray.y();
  }
}

}  // namespace
}  // namespace velmora::ui::test
