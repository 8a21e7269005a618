#include "ui/map_surface.h"

#include <QPainter>
#include <QSvgRenderer>

#include "ui/twips.h"

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

}  // namespace

MapSurface::MapSurface(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Picture1"));
  setGeometry(tw(120), tw(120), tw(13000), tw(19000));
  setAutoFillBackground(true);
}

const QPixmap& MapSurface::mapPixmap() {
  const qreal ratio = devicePixelRatioF();
  if (map_.isNull() || map_.devicePixelRatio() != ratio) {
    QSvgRenderer svg(QStringLiteral(":/assets/map.svg"));
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
