#include "ui/main/map_wheel.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace velmora::ui {

namespace {

// A wheel's notch, in Qt's eighths of a degree.
constexpr double kNotch = 120;
constexpr int kSmallChangesANotch = 3;

// A list scrolls itself and a bar moves itself: the map stays where it is under either, even
// when the list is at its end.
bool keepsItsOwnWheel(QWidget* area, QWidget* under) {
  for (QWidget* w = under; w != nullptr && w != area; w = w->parentWidget()) {
    if (qobject_cast<QAbstractItemView*>(w) || qobject_cast<QScrollBar*>(w)) return true;
  }
  return false;
}

}  // namespace

MapWheel::MapWheel(QWidget* area, QScrollBar* horizontal, bool horizontalAsMagnitude,
                   QScrollBar* vertical, bool verticalAsMagnitude)
    : QObject(area),
      area_(area),
      horizontal_{horizontal, horizontalAsMagnitude},
      vertical_{vertical, verticalAsMagnitude} {
  // Panels, labels, buttons and text boxes leave the wheel to their parents: it reaches the
  // client area after them.
  area->installEventFilter(this);
}

bool MapWheel::eventFilter(QObject* watched, QEvent* e) {
  if (watched != area_ || e->type() != QEvent::Wheel) return QObject::eventFilter(watched, e);
  auto* wheel = static_cast<QWheelEvent*>(e);
  wheel->accept();
  if (keepsItsOwnWheel(area_, area_->childAt(wheel->position().toPoint()))) return true;
  QPoint delta = wheel->angleDelta();
  // Shift turns the wheel sideways (where the platform has not already done so).
  if (wheel->modifiers().testFlag(Qt::ShiftModifier) && delta.x() == 0) {
    delta = QPoint(delta.y(), 0);
  }
  // Turning the wheel towards the player (a negative delta) brings the lower part in view.
  if (delta.x() != 0) turn(horizontal_, -delta.x() / kNotch);
  if (delta.y() != 0) turn(vertical_, -delta.y() / kNotch);
  return true;
}

void MapWheel::turn(Axis& axis, double notches) {
  axis.rest += notches * kSmallChangesANotch * axis.bar->singleStep();
  const int twips = static_cast<int>(std::trunc(axis.rest));
  if (twips == 0) return;
  axis.rest -= twips;
  // Further down or right is a smaller offset of the map; a bar shown as magnitude grows.
  const int before = axis.bar->value();
  axis.bar->setValue(before + (axis.asMagnitude ? twips : -twips));
  // At either end of the range nothing is kept for later.
  if (axis.bar->value() == before) axis.rest = 0;
}

}  // namespace velmora::ui
