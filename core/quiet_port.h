#pragma once

#include "core/ui_port.h"

namespace velmora {

// A screen that shows nothing and answers every box with OK: the base of the simulator's,
// the console's and the tests' ports, which override only what they watch.
class QuietPort : public UiPort {
 public:
  void showLine1(const std::string&, double) override {}
  void showLine2(const std::string&, double) override {}
  void showLine3(const std::string&, double) override {}
  BoxResult messageBox(const MessageBoxRequest&) override { return BoxResult::Ok; }
  void setCaption(const std::string&) override {}
  void redrawProvince(const Province&, bool) override {}
  void showPrices(const std::string&, const std::string&, const std::string&) override {}
  void setOkLabelVisible(bool) override {}
  void cycleOkButton() override {}
  void setDelegationMenuEnabled(bool) override {}
  void setAutoPressTimer(bool on) override { autoPressTimer = on; }
  void setLockTimer(bool on) override { lockTimer = on; }
  void bringMainWindowToFront() override {}
  void showPanel(Panel) override {}
  void setPanelLabel(PanelLabel, const std::string&) override {}
  void setAmountText(const std::string&) override {}
  void setTargetList(const std::vector<std::string>&) override {}
  void selectTarget(int) override {}
  void setTargetAmountText(int, const std::string&) override {}
  void setDelegationList(const std::vector<std::string>&) override {}
  void selectDelegation(int) override {}
  void removeDelegationLine(int) override {}
  void openBattleWindow() override {}
  void refreshBattle() override {}
  void closeBattleWindow() override {}
  void showEventWindow(const std::vector<std::string>&,
                       const std::function<void()>& onOk) override {
    onOk();
  }
  void seasonBegins() override {}
  void gameLoaded(const std::string&) override {}
  void showCourse(const std::vector<SeasonStanding>&) override {}
  void terminate() override { terminated = true; }

  // What the turn cycle asked of the timers, so that a driver can tick them.
  bool autoPressTimer = false;
  bool lockTimer = false;
  bool terminated = false;
};

}  // namespace velmora
