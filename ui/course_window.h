#pragma once

#include <QColor>
#include <QDialog>
#include <QStringList>

#include "core/course.h"
#include "ui/house_colours.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

namespace velmora::ui {

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
