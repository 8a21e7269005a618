#include "ui/main/map_surface.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include "ui/common/house_colours.h"
#include "ui/common/twips.h"

namespace velmora::ui {

namespace {

constexpr int kMapWidth = 918;
constexpr int kMapHeight = 630;

// The thirteen lines between neighbours (1-5, 1-2, 2-3, 2-4, 5-4, 3-4, 8-5, 7-5, 6-1, 7-6,
// 7-8, 9-8, 10-7), end points in twips.
struct MapLine {
  int x1, y1, x2, y2;
};
constexpr MapLine kLines[13] = {
    {7440, 4080, 6960, 2760},  {8400, 4560, 8880, 5760},  {10800, 5640, 11160, 5760},
    {9960, 5280, 11520, 2880}, {7800, 2280, 10320, 2640}, {12240, 5280, 11520, 2880},
    {4560, 3360, 5880, 2400},  {4440, 5760, 5880, 2400},  {5760, 6000, 6480, 4440},
    {4440, 5760, 5760, 6000},  {3480, 5400, 3600, 3600},  {2640, 3240, 2160, 3000},
    {1560, 6600, 2520, 5760}};

const QByteArray& originalSvg() {
  static const QByteArray svg = [] {
    QFile file(QStringLiteral(":/assets/map.svg"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }();
  return svg;
}

// The outline of the player's regions, a black line in a white band that no house's colour
// resembles, drawn over every region and under the sea, so that it shows along the land
// borders and the coast stays the sea's. All the bands go first: a line between two regions of
// the player's is not covered by the next band.
constexpr const char* kPlayerBand = R"(<path fill="none" stroke="#fff" stroke-width="7" d=")";
constexpr const char* kPlayerLine = R"(<path fill="none" stroke="#000" stroke-width="2.5" d=")";

}  // namespace

QByteArray MapSurface::mapSvg(const MapHolders& holders) {
  QByteArray svg = originalSvg();
  QByteArray bands, lines;
  for (int p = 1; p <= 10; ++p) {
    const QByteArray id = "id=\"p" + QByteArray::number(p) + "\" ";
    const qsizetype at = svg.indexOf(id);
    if (at < 0) continue;
    const int house = holders.house[static_cast<size_t>(p)];
    const QByteArray fill = "fill=\"#";
    const qsizetype colour = svg.indexOf(fill, at) + fill.size();
    if (house >= 1 && house <= 10 && house != p) {
      svg.replace(colour, 6, houseFill(house).name().mid(1).toLatin1());
    }
    if (holders.player != 0 && house == holders.player) {
      const qsizetype d = svg.indexOf(" d=\"", at) + 4;
      const QByteArray path = svg.mid(d, svg.indexOf('"', d) - d) + "\"/>\n";
      bands += kPlayerBand + path;
      lines += kPlayerLine + path;
    }
  }
  if (!bands.isEmpty()) svg.insert(svg.indexOf("<path id=\"sea\""), bands + lines);
  return svg;
}

void MapSurface::showHolder(int p, int house, int player) {
  if (p < 1 || p > 10) return;
  MapHolders next = holders_;
  next.house[static_cast<size_t>(p)] = house;
  next.player = player;
  if (next == holders_) return;
  holders_ = next;
  update(QRect(0, 0, kMapWidth, kMapHeight));
}

MapSurface::MapSurface(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Picture1"));
  setGeometry(tw(120), tw(120), tw(13000), tw(19000));
  setAutoFillBackground(true);
}

const QPixmap& MapSurface::mapPixmap() {
  const qreal ratio = devicePixelRatioF();
  if (map_.isNull() || map_.devicePixelRatio() != ratio || drawn_ != holders_) {
    drawn_ = holders_;
    QSvgRenderer svg(mapSvg(holders_));
    map_ = QPixmap(QSize(kMapWidth, kMapHeight) * ratio);
    map_.fill(Qt::transparent);
    QPainter p(&map_);
    svg.render(&p);
    map_.setDevicePixelRatio(ratio);
  }
  return map_;
}

void MapSurface::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, mapPixmap());
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kMapLineColour, 5, Qt::SolidLine, Qt::RoundCap));
  for (const MapLine& l : kLines) {
    p.drawLine(QPointF(l.x1 / 15.0, l.y1 / 15.0), QPointF(l.x2 / 15.0, l.y2 / 15.0));
  }
}

}  // namespace velmora::ui
