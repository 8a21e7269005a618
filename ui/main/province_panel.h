#pragma once

#include <QFrame>
#include <QLabel>
#include <array>

#include "ui/common/widgets_util.h"

namespace velmora {
struct Province;
}  // namespace velmora

namespace velmora::ui {

// One province's panel on the map: number, name and lord when closed, all eight values when
// open. Clicking the number or the name opens or closes it.
class ProvincePanel : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kClosedHeight = 735;  // twips
  static constexpr int kOpenHeight = 1695;
  static constexpr int kWidth = 1935;

  ProvincePanel(int number, QWidget* parent);

  // Writes the province's figures; the player's provinces get their number and name
  // highlighted, the others the button face.
  void redraw(const Province& p, bool highlighted);

  void toggle();
  void setOpen(bool open);
  bool isOpen() const { return heightTwips_ >= 1000; }

  ClickableLabel* lblNum;
  ClickableLabel* lblKuni;
  QLabel* lblRyoshu;
  QLabel* lblKokuryoku;
  QLabel* lblKin;
  QLabel* lblmachi;
  QLabel* lblHei;
  QLabel* lblSiro;
  QLabel* lblBusou;
  QLabel* lblKome;
  QLabel* lblMindo;
  std::array<QLabel*, 8> captions{};  // the lbl array, 8p .. 8p + 7

 private:
  void setHeightTwips(int h);
  // The eight figures in the order of their captions.
  std::array<QLabel*, 8> figuresByCaption() const;

  int number_;
  int heightTwips_ = kClosedHeight;
};

// Where each province's panel sits on the map, in twips; index = province number.
struct PanelPlace {
  int left;
  int top;
};
inline constexpr std::array<PanelPlace, 11> kPanelPlaces{{{0, 0},
                                                          {6480, 4080},
                                                          {8880, 5280},
                                                          {11160, 5400},
                                                          {10320, 2160},
                                                          {5880, 2040},
                                                          {4680, 6000},
                                                          {2520, 5400},
                                                          {2640, 2880},
                                                          {240, 2640},
                                                          {240, 6600}}};

}  // namespace velmora::ui
