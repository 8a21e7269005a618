#pragma once

#include <string>
#include <vector>

#include "core/panel.h"

namespace velmora {

// The command panels as the game fills them. What the player then types and chooses comes
// back to the game as an OrderInput or a DelegationChoice, never through this port.
class PanelPort {
 public:
  virtual ~PanelPort() = default;

  virtual void showPanel(Panel panel) = 0;  // hides the panel shown before
  virtual void setPanelLabel(PanelLabel label, const std::string& text) = 0;
  // txtPic5: the text is set, focused and wholly selected.
  virtual void setAmountText(const std::string& text) = 0;
  // lstPic6 and txtPic6(0..2).
  virtual void setTargetList(const std::vector<std::string>& names) = 0;
  virtual void selectTarget(int index) = 0;
  virtual void setTargetAmountText(int box, const std::string& text) = 0;
  // lstPic7.
  virtual void setDelegationList(const std::vector<std::string>& names) = 0;
  virtual void selectDelegation(int index) = 0;  // -1 selects nothing
  virtual void removeDelegationLine(int index) = 0;
};

}  // namespace velmora
