#pragma once

#include "core/board_port.h"

namespace velmora::ui {

class QtPort;

// The main window around its panels: caption, map, market board, OK, menu and timers.
class QtBoardPort final : public BoardPort {
 public:
  explicit QtBoardPort(QtPort& port) : port_(port) {}

  void setCaption(const std::string& caption) override;
  void redrawProvince(const Province& province, bool highlighted) override;
  void showPrices(const std::string& food, const std::string& arms,
                  const std::string& troops) override;
  void setOkLabelVisible(bool visible) override;
  void cycleOkButton() override;
  void setDelegationMenuEnabled(bool enabled) override;
  void setAutoPressTimer(bool on) override;
  void setLockTimer(bool on) override;
  void bringMainWindowToFront() override;

 private:
  QtPort& port_;
};

}  // namespace velmora::ui
