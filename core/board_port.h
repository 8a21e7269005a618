#pragma once

#include <string>

namespace velmora {

struct Province;  // by name only: a screen need not rebuild with the game state

// The main window around the panels: its caption, the provinces on the map, the market board,
// OK and its prompt, the delegation menu and the turn cycle's two timers.
class BoardPort {
 public:
  virtual ~BoardPort() = default;

  virtual void setCaption(const std::string& caption) = 0;
  virtual void redrawProvince(const Province& province, bool highlighted) = 0;
  virtual void showPrices(const std::string& food, const std::string& arms,
                          const std::string& troops) = 0;
  virtual void setOkLabelVisible(bool visible) = 0;
  virtual void cycleOkButton() = 0;  // disable and re-enable cmdOk
  virtual void setDelegationMenuEnabled(bool enabled) = 0;
  virtual void setAutoPressTimer(bool on) = 0;
  virtual void setLockTimer(bool on) = 0;
  virtual void bringMainWindowToFront() = 0;
};

}  // namespace velmora
