#pragma once

#include <QObject>

class QScrollBar;
class QWidget;

namespace velmora::ui {

// The mouse wheel over the map, its panels and their text boxes: a notch moves VScroll1 by
// three small changes, Shift with the wheel (or a sideways wheel) moves HScroll1; a
// touchpad's finer steps move in proportion. The lists and the scroll bars keep their own
// wheel. The wheel goes through the bars' values, so the map follows them and stays in range.
class MapWheel : public QObject {
 public:
  // area: the window's client area, which holds the map and the bars. A bar "as magnitude"
  // shows the size of a negative offset (its game maximum is negative).
  MapWheel(QWidget* area, QScrollBar* horizontal, bool horizontalAsMagnitude, QScrollBar* vertical,
           bool verticalAsMagnitude);

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  struct Axis {
    QScrollBar* bar;
    bool asMagnitude;
    double rest = 0;  // twips of touchpad steps too small to move yet
  };
  // Moves the map by `notches` (positive: towards its bottom or right edge).
  static void turn(Axis& axis, double notches);

  QWidget* area_;
  Axis horizontal_;
  Axis vertical_;
};

}  // namespace velmora::ui
