#pragma once

#include "core/panel_port.h"

namespace velmora::ui {

class QtPort;

// The command panels of the main window, as the game fills them.
class QtPanelPort final : public PanelPort {
 public:
  explicit QtPanelPort(QtPort& port) : port_(port) {}

  void showPanel(Panel panel) override;
  void setPanelLabel(PanelLabel label, const std::string& text) override;
  void setAmountText(const std::string& text) override;
  void setTargetList(const std::vector<std::string>& names) override;
  void selectTarget(int index) override;
  void setTargetAmountText(int box, const std::string& text) override;
  void setDelegationList(const std::vector<std::string>& names) override;
  void selectDelegation(int index) override;
  void removeDelegationLine(int index) override;

 private:
  QtPort& port_;
};

}  // namespace velmora::ui
