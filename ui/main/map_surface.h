#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QWidget>
#include <array>

namespace velmora::ui {

// Who holds the land: the house (1 to 10, 0 for a lord of no house) of each province, and the
// player's house (0 for none).
struct MapHolders {
  std::array<int, 11> house{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};  // [0] unused; the opening
  int player = 0;
  bool operator==(const MapHolders&) const = default;
};

// Picture1: the map picture at its top left, each region in the colour of its holder, the
// lines between neighbouring provinces over it, and every panel of the main window as a child.
class MapSurface : public QWidget {
 public:
  explicit MapSurface(QWidget* parent);

  // Province p is now held by `house`; the player plays `player`. Repaints when that changes
  // what the map shows.
  void showHolder(int p, int house, int player);
  const MapHolders& holders() const { return holders_; }

  // The map's picture for these holders: the regions filled with their holders' colours, the
  // player's outlined in bold. The opening of a game without a player is the picture as drawn.
  static QByteArray mapSvg(const MapHolders& holders);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  // The map rendered for the screen's pixel ratio, so that it stays sharp on high-DPI screens.
  const QPixmap& mapPixmap();

  MapHolders holders_;
  MapHolders drawn_;
  QPixmap map_;
};

}  // namespace velmora::ui
