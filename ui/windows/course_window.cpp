#include "ui/windows/course_window.h"

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtMath>
#include <algorithm>
#include <array>

#include "ui/common/house_colours.h"

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

// "3年目の夏" for a place on the time axis (any place within the season).
QString captionAt(double x) {
  static const char* const kSeasons[] = {"春", "夏", "秋", "冬"};
  const auto quarters = static_cast<long long>(std::floor(x * 4 + 1e-6));
  const long long year = quarters / 4;
  return QString::number(year) + QString::fromUtf8("年目の") +
         QString::fromUtf8(kSeasons[static_cast<int>(quarters - year * 4)]);
}

// Whole years along the bottom, at most about ten of them labelled.
void setYearTicks(QValueAxis* years) {
  double step = 1;
  for (double base = 1; (years->max() - years->min()) / step > 10; base *= 10) {
    for (double factor : {1.0, 2.0, 5.0}) {
      step = base * factor;
      if ((years->max() - years->min()) / step <= 10) break;
    }
  }
  years->setTickAnchor(std::ceil(years->min()));
  years->setTickInterval(step);
}

// Brings a series to the points of its model, touching only those from `from` on.
void sync(QXYSeries* series, const QList<QPointF>& model, qsizetype from) {
  while (series->count() > model.size()) series->remove(series->count() - 1);
  for (qsizetype i = std::max<qsizetype>(0, from); i < model.size(); ++i) {
    if (i >= series->count()) {
      series->append(model[i]);
    } else if (series->at(i) != model[i]) {
      series->replace(i, model[i]);
    }
  }
}

}  // namespace

// Nine steps of 0.09 keep the ten lines inside their count (±0.405) and about three pixels
// apart at the window's size, where a line is two pixels wide and the player's three.
double CourseWindow::offsetOf(int house) { return (house - 5.5) * 0.09; }

CourseWindow::CourseWindow(const QStringList& houseNames, const Course& course, int playerHouse,
                           QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmCourse"));
  setWindowTitle(QString::fromUtf8("勢力推移"));
  view_ = new QChartView(new QChart, this);
  view_->setObjectName(QStringLiteral("chtCourse"));
  view_->setAccessibleName(QString::fromUtf8("勢力推移"));
  view_->setRenderHint(QPainter::Antialiasing);
  view_->viewport()->setMouseTracking(true);
  view_->viewport()->installEventFilter(this);
  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->addWidget(view_, 1);
  // A way out by mouse too: at unification the chart is modal and the end waits behind it.
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons_->setContentsMargins(8, 0, 8, 8);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout_->addWidget(buttons_);
  resize(760, 500);
  setCourse(houseNames, course, playerHouse);
}

QChart* CourseWindow::chart() const { return view_->chart(); }

void CourseWindow::showStandings(const QStringList& houseNames,
                                 const std::array<HouseRecord, 11>& records,
                                 const QString& unification,
                                 const std::function<void()>& saveHistory) {
  auto* title = new QLabel(unification, this);
  title->setObjectName(QStringLiteral("lblUnification"));
  title->setContentsMargins(8, 4, 8, 0);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  layout_->insertWidget(layout_->indexOf(buttons_), title);

  const QStringList heads{QString::fromUtf8("家"),         QString::fromUtf8("最後の国数"),
                          QString::fromUtf8("最多の国数"), QString::fromUtf8("最多のとき"),
                          QString::fromUtf8("勝ち"),       QString::fromUtf8("負け")};
  standings_ = new QTableWidget(kNationCount, static_cast<int>(heads.size()), this);
  standings_->setObjectName(QStringLiteral("tblStandings"));
  standings_->setAccessibleName(QString::fromUtf8("各家の成績"));
  standings_->setHorizontalHeaderLabels(heads);
  standings_->verticalHeader()->hide();
  standings_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  standings_->setSelectionBehavior(QAbstractItemView::SelectRows);
  const auto cell = [&](int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    if (column > 0 && column != 3) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    standings_->setItem(row, column, item);
  };
  for (int n = 1; n <= kNationCount; ++n) {
    const HouseRecord& r = records[static_cast<size_t>(n)];
    const int row = n - 1;
    cell(row, 0, n - 1 < houseNames.size() ? houseNames[n - 1] : QString());
    cell(row, 1, QString::number(r.provinces));
    cell(row, 2, QString::number(r.most));
    cell(row, 3, captionAt(yearPosition(SeasonStanding{r.mostYear, r.mostSeason, {}})));
    cell(row, 4, QString::number(r.wins));
    cell(row, 5, QString::number(r.losses));
  }
  standings_->resizeColumnsToContents();
  standings_->setMinimumHeight(standings_->horizontalHeader()->height() +
                               kNationCount * standings_->verticalHeader()->defaultSectionSize() +
                               2 * standings_->frameWidth());
  layout_->insertWidget(layout_->indexOf(buttons_), standings_);

  QPushButton* save =
      buttons_->addButton(QString::fromUtf8("履歴を保存(&S)..."), QDialogButtonBox::ActionRole);
  save->setObjectName(QStringLiteral("cmdSaveHistory"));
  connect(save, &QPushButton::clicked, this, saveHistory);
  resize(width(), height() + standings_->minimumHeight() + title->sizeHint().height());
}

QString CourseWindow::describeAt(QPoint at) const {
  if (course_.empty() || !chart()->plotArea().contains(at)) return {};
  QLineSeries* any = houses_[1].line;
  const QPointF value = chart()->mapToValue(at, any);
  // Within five pixels of a line, the nearest.
  const double tolerance = std::abs(chart()->mapToValue(at + QPoint(0, 5), any).y() - value.y());
  const double start = yearPosition(course_.front());
  const auto season =
      std::clamp<long long>(static_cast<long long>(std::floor((value.x() - start) * 4 + 1e-6)), 0,
                            static_cast<long long>(course_.size()) - 1);
  const SeasonStanding& standing = course_[static_cast<size_t>(season)];
  int nearest = 0;
  double distance = tolerance;
  for (int house = 1; house <= 10; ++house) {
    const double d = std::abs(standing.provinces[house] + offsetOf(house) - value.y());
    // The player's line is drawn over the others: it wins a tie.
    if (d < distance || (d == distance && house == playerHouse_)) {
      distance = d;
      nearest = house;
    }
  }
  if (nearest == 0) return {};
  const QString name = nearest - 1 < names_.size() ? names_[nearest - 1] : QString();
  return name + QLatin1Char(' ') + captionAt(yearPosition(standing)) + QLatin1Char(' ') +
         QString::number(standing.provinces[nearest]) + QString::fromUtf8("国");
}

bool CourseWindow::eventFilter(QObject* watched, QEvent* e) {
  if (watched == view_->viewport() && e->type() == QEvent::MouseMove) {
    const QPoint at = static_cast<QMouseEvent*>(e)->position().toPoint();
    const QString text = describeAt(at);
    if (text.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(view_->viewport()->mapToGlobal(at), text, view_->viewport());
    }
  }
  return QDialog::eventFilter(watched, e);
}

void CourseWindow::setCourse(const QStringList& houseNames, const Course& course, int playerHouse) {
  QChart* chart = view_->chart();
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
  houses_ = {};
  shown_ = 0;
  course_.clear();
  names_ = houseNames;
  playerHouse_ = playerHouse;

  years_ = new QValueAxis;
  years_->setTitleText(QString::fromUtf8("年"));
  years_->setLabelFormat(QStringLiteral("%d"));
  years_->setTickType(QValueAxis::TicksDynamic);
  // Whole counts; each house's line sits a little apart within its count.
  auto* provinces = new QValueAxis;
  provinces->setTitleText(QString::fromUtf8("国数"));
  provinces->setRange(-0.5, 10.5);
  provinces->setTickType(QValueAxis::TicksDynamic);
  provinces->setTickAnchor(0);
  provinces->setTickInterval(1);
  provinces->setLabelFormat(QStringLiteral("%d"));
  chart->addAxis(years_, Qt::AlignBottom);
  chart->addAxis(provinces, Qt::AlignLeft);

  // The player's house goes last, so that its line is drawn over the others.
  std::vector<int> order;
  for (int house = 1; house <= 10; ++house) {
    if (house != playerHouse) order.push_back(house);
  }
  if (playerHouse >= 1 && playerHouse <= 10) order.push_back(playerHouse);
  for (int house : order) {
    HouseLine& h = houses_[static_cast<size_t>(house)];
    const QString name = house - 1 < houseNames.size() ? houseNames[house - 1] : QString();
    h.line = new QLineSeries;
    h.line->setName(house == playerHouse ? name + QString::fromUtf8("(あなた)") : name);
    h.line->setPen(QPen(houseColour(house), house == playerHouse ? 3 : 2));
    h.line->setLightMarker(markerImage(house, houseColour(house)));
    h.line->setMarkerSize(kMarkerSize);
    h.line->setPointsVisible(false);
    // The shapes stand where the count changes and at both ends, not at every season: a long
    // game has hundreds of seasons, and a marker at each would hide the line.
    h.marks = new QScatterSeries;
    h.marks->setLightMarker(h.line->lightMarker());
    h.marks->setMarkerSize(kMarkerSize);
    for (QXYSeries* series : {static_cast<QXYSeries*>(h.line), static_cast<QXYSeries*>(h.marks)}) {
      chart->addSeries(series);
      series->attachAxis(years_);
      series->attachAxis(provinces);
    }
  }
  chart->legend()->setAlignment(Qt::AlignRight);
  chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
  for (int house = 1; house <= 10; ++house) {
    for (QLegendMarker* marker :
         chart->legend()->markers(houses_[static_cast<size_t>(house)].marks)) {
      marker->setVisible(false);
    }
  }
  appendSeasons(course);
}

void CourseWindow::followCourse(const QStringList& houseNames, const Course& course,
                                int playerHouse) {
  // Only seasons added to the one shown are appended; a course begun anew (a load, a new game)
  // or another player's house is drawn again.
  const auto same = [](const SeasonStanding& a, const SeasonStanding& b) {
    return a.year == b.year && a.season == b.season && a.provinces == b.provinces;
  };
  const bool continues = shown_ > 0 && course.size() >= shown_ && playerHouse == playerHouse_ &&
                         same(course.front(), course_.front()) &&
                         same(course[shown_ - 1], course_.back());
  if (!continues) {
    setCourse(houseNames, course, playerHouse);
    return;
  }
  appendSeasons(course);
}

void CourseWindow::appendSeasons(const Course& course) {
  if (course.size() <= shown_) return;
  for (int house = 1; house <= 10; ++house) {
    HouseLine& h = houses_[static_cast<size_t>(house)];
    const qsizetype lineFrom = h.points.size() - 2;
    const qsizetype marksFrom = h.marked.size() - 1;
    const double offset = offsetOf(house);
    for (size_t i = shown_; i < course.size(); ++i) {
      const QPointF point(yearPosition(course[i]), course[i].provinces[house] + offset);
      if (h.points.isEmpty()) {
        h.points.append(point);
        h.marked.append(point);
        continue;
      }
      const QPointF last = h.points.back();
      const bool same = point.y() == last.y();
      if (!same) {
        // A step: across at the old count, then up or down to the new one.
        h.points.append(QPointF(point.x(), last.y()));
        h.points.append(point);
      } else if (h.points.size() >= 2 && h.points[h.points.size() - 2].y() == last.y()) {
        h.points.back() = point;  // the level runs on to here
      } else {
        h.points.append(point);
      }
      // The last marker moves on while it marks only the end; a change keeps its own.
      if (h.endMarked) {
        h.marked.back() = point;
      } else {
        h.marked.append(point);
      }
      h.endMarked = same;
    }
    sync(h.line, h.points, lineFrom);
    sync(h.marks, h.marked, marksFrom);
  }
  course_.insert(course_.end(), course.begin() + static_cast<std::ptrdiff_t>(shown_), course.end());
  shown_ = course.size();
  const double start = yearPosition(course.front());
  // A course of one season still shows a year; a longer one ends at its last season.
  years_->setRange(start, course.size() == 1 ? start + 1 : yearPosition(course.back()));
  setYearTicks(years_);
}

}  // namespace velmora::ui
