#pragma once

#include <QPixmap>
#include <QWidget>

namespace velmora::ui {

// Picture1: the map picture at its top left, the lines between neighbouring provinces over
// it, and every panel of the main window as a child.
class MapSurface : public QWidget {
 public:
  explicit MapSurface(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  // The map rendered for the screen's pixel ratio, so that it stays sharp on high-DPI screens.
  const QPixmap& mapPixmap();

  QPixmap map_;
};

}  // namespace velmora::ui
