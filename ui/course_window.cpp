#include "ui/course_window.h"

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QImage>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtMath>
#include <algorithm>
#include <array>

#include "ui/house_colours.h"

namespace velmora::ui {

namespace {

constexpr int kMarkerSize = 9;

QPolygonF regularPolygon(int corners, double radius, double turn, QPointF centre) {
  QPolygonF polygon;
  for (int i = 0; i < corners; ++i) {
    const double angle = turn + 2 * M_PI * i / corners;
    polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
  }
  return polygon;
}

// One shape a house: circle, square, triangles up and down, diamond, pentagon, hexagon,
// star, cross and plus.
QImage markerImage(int house, const QColor& colour) {
  const int size = kMarkerSize * 4;  // drawn large, scaled down by the chart
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour.darker(130), size / 12.0));
  painter.setBrush(colour);
  const QPointF c(size / 2.0, size / 2.0);
  const double r = size / 2.0 - size / 10.0;
  const double up = -M_PI / 2;
  switch (house) {
    case 1:
      painter.drawEllipse(c, r, r);
      break;
    case 2:
      painter.drawRect(QRectF(c.x() - r * 0.85, c.y() - r * 0.85, r * 1.7, r * 1.7));
      break;
    case 3:
      painter.drawPolygon(regularPolygon(3, r, up, c + QPointF(0, r * 0.15)));
      break;
    case 4:
      painter.drawPolygon(regularPolygon(3, r, -up, c - QPointF(0, r * 0.15)));
      break;
    case 5:
      painter.drawPolygon(regularPolygon(4, r, up, c));
      break;
    case 6:
      painter.drawPolygon(regularPolygon(5, r, up, c));
      break;
    case 7:
      painter.drawPolygon(regularPolygon(6, r, 0, c));
      break;
    case 8: {
      QPolygonF star;
      for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? r : r * 0.45;
        const double angle = up + M_PI * i / 5;
        star << c + QPointF(radius * std::cos(angle), radius * std::sin(angle));
      }
      painter.drawPolygon(star);
      break;
    }
    case 9:
    case 10: {
      // A cross (9) or a plus (10) of bars.
      QPainterPath path;
      const double w = r * 0.38;
      path.addRect(QRectF(c.x() - r, c.y() - w, 2 * r, 2 * w));
      path.addRect(QRectF(c.x() - w, c.y() - r, 2 * w, 2 * r));
      path = path.simplified();
      if (house == 9) {
        QTransform turn;
        turn.translate(c.x(), c.y());
        turn.rotate(45);
        turn.translate(-c.x(), -c.y());
        path = turn.map(path);
      }
      painter.drawPath(path);
      break;
    }
  }
  return image;
}

// Years from the start: the spring of year 1 is at 1, each season a quarter further.
double yearPosition(const SeasonStanding& standing) {
  return standing.year + (standing.season - 1) / 4.0;
}

}  // namespace

CourseWindow::CourseWindow(const QStringList& houseNames, const Course& course, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmCourse"));
  setWindowTitle(QString::fromUtf8("勢力推移"));
  view_ = new QChartView(new QChart, this);
  view_->setObjectName(QStringLiteral("chtCourse"));
  view_->setAccessibleName(QString::fromUtf8("勢力推移"));
  view_->setRenderHint(QPainter::Antialiasing);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  // A way out by mouse too: at unification the chart is modal and the end waits behind it.
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->setContentsMargins(8, 0, 8, 8);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(760, 500);
  setCourse(houseNames, course);
}

QChart* CourseWindow::chart() const { return view_->chart(); }

void CourseWindow::setCourse(const QStringList& houseNames, const Course& course) {
  QChart* chart = view_->chart();
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }

  auto* years = new QValueAxis;
  years->setTitleText(QString::fromUtf8("年"));
  years->setLabelFormat(QStringLiteral("%d"));
  const double first = std::floor(course.empty() ? 1 : yearPosition(course.front()));
  const double last = course.empty() ? first : yearPosition(course.back());
  years->setRange(first, std::max(std::ceil(last), first + 1));
  // Whole years only, at most about ten of them labelled.
  double step = 1;
  for (double base = 1; (years->max() - years->min()) / step > 10; base *= 10) {
    for (double factor : {1.0, 2.0, 5.0}) {
      step = base * factor;
      if ((years->max() - years->min()) / step <= 10) break;
    }
  }
  years->setTickType(QValueAxis::TicksDynamic);
  years->setTickAnchor(first);
  years->setTickInterval(step);
  auto* provinces = new QValueAxis;
  provinces->setTitleText(QString::fromUtf8("国数"));
  provinces->setRange(0, 10);
  provinces->setTickCount(11);
  provinces->setLabelFormat(QStringLiteral("%d"));
  chart->addAxis(years, Qt::AlignBottom);
  chart->addAxis(provinces, Qt::AlignLeft);

  for (int house = 1; house <= 10; ++house) {
    auto* series = new QLineSeries;
    series->setName(house - 1 < houseNames.size() ? houseNames[house - 1] : QString());
    QPen pen(houseColour(house), 2);
    series->setPen(pen);
    series->setLightMarker(markerImage(house, houseColour(house)));
    series->setMarkerSize(kMarkerSize);
    // Steps: a count holds for the whole season, and changes as the next one begins. A marker
    // where it changes (and at both ends), not at every season: a long game has hundreds of
    // seasons, and a marker at each would hide the line.
    QList<QPointF> points;
    QHash<int, QHash<QXYSeries::PointConfiguration, QVariant>> hidden;
    const auto hide = [&] {
      hidden[static_cast<int>(points.size() - 1)][QXYSeries::PointConfiguration::Visibility] =
          false;
    };
    for (size_t i = 0; i < course.size(); ++i) {
      const QPointF point(yearPosition(course[i]), course[i].provinces[house]);
      if (i > 0 && point.y() != points.back().y()) {
        points.append(QPointF(point.x(), points.back().y()));
        hide();
      }
      const bool unchanged = i > 0 && point.y() == points.back().y();
      points.append(point);
      if (unchanged && i + 1 < course.size()) hide();
    }
    series->replace(points);
    series->setPointsConfiguration(hidden);
    chart->addSeries(series);
    series->attachAxis(years);
    series->attachAxis(provinces);
  }
  chart->legend()->setAlignment(Qt::AlignRight);
  chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
}

}  // namespace velmora::ui
