#pragma once

#include <QColor>
#include <QDialog>
#include <QStringList>

#include "core/course.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

namespace velmora::ui {

// The colour of a house's line (1 to 10): near the map colour of its home province, but set
// apart from the other nine, which on the map include two pairs of close colours.
QColor houseColour(int house);

// 勢力推移: how many provinces each house held at the start of every season, one line a house
// with a marker shape of its own, years along the bottom.
class CourseWindow : public QDialog {
  Q_OBJECT

 public:
  CourseWindow(const QStringList& houseNames, const Course& course, QWidget* parent = nullptr);

  // Draws the course again, as it now stands.
  void setCourse(const QStringList& houseNames, const Course& course);

  QChart* chart() const;

 private:
  QChartView* view_ = nullptr;
};

}  // namespace velmora::ui
