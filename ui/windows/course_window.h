#pragma once

#include <QColor>
#include <QDialog>
#include <QList>
#include <QPointF>
#include <QStringList>
#include <array>
#include <functional>

#include "core/course.h"
#include "ui/common/house_colours.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QTableWidget;
class QVBoxLayout;
class QDialogButtonBox;
class QValueAxis;
QT_END_NAMESPACE

namespace velmora::ui {

// 勢力推移: how many provinces each house held at the start of every season, one line a house
// with a marker shape of its own, years along the bottom. Each house's line sits a little
// apart within its count, so that houses of the same count stay visible; the player's house
// (0 for none) is drawn thicker, over the others, and named so in the legend. Hovering a line
// tells the house, the season and the count.
class CourseWindow : public QDialog {
  Q_OBJECT

 public:
  CourseWindow(const QStringList& houseNames, const Course& course, int playerHouse = 0,
               QWidget* parent = nullptr);

  // Draws the course again, as it now stands.
  void setCourse(const QStringList& houseNames, const Course& course, int playerHouse = 0);
  // The course one or more seasons on: the new seasons are appended to what is drawn. A
  // course begun anew (a load, a new game) or another player is drawn again.
  void followCourse(const QStringList& houseNames, const Course& course, int playerHouse = 0);

  QChart* chart() const;
  // The line of house n (1 to 10).
  QLineSeries* houseLine(int house) const { return houses_[static_cast<size_t>(house)].line; }

  // The end of a game: under the chart, the season and house of unification and each house's
  // record (provinces at the end, its most and when, battles won and lost), and a button that
  // saves the history.
  void showStandings(const QStringList& houseNames, const std::array<HouseRecord, 11>& records,
                     const QString& unification, const std::function<void()>& saveHistory);
  QTableWidget* standings() const { return standings_; }

  // Where house n's line sits against its count.
  static double offsetOf(int house);

  // What hovering the chart's point `at` (in the view's coordinates) tells: the house of the
  // nearest line there, the season and the count ("朝倉 3年目の夏 2国"); empty off the lines.
  QString describeAt(QPoint at) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  struct HouseLine {
    QLineSeries* line = nullptr;
    QScatterSeries* marks = nullptr;
    QList<QPointF> points;   // the corners of the steps and the end
    QList<QPointF> marked;   // where the count changed, the first season and the last
    bool endMarked = false;  // the last mark is the end's only, not a change
  };

  void appendSeasons(const Course& course);

  QChartView* view_ = nullptr;
  QVBoxLayout* layout_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
  QTableWidget* standings_ = nullptr;
  QValueAxis* years_ = nullptr;
  std::array<HouseLine, 11> houses_{};  // by house number; [0] unused
  std::size_t shown_ = 0;
  Course course_;  // the seasons shown
  QStringList names_;
  int playerHouse_ = 0;
};

}  // namespace velmora::ui
