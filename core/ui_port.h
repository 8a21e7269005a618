#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/panel.h"

namespace velmora {

struct Province;  // by name only: a screen port need not rebuild with the game state
struct SeasonStanding;

// The text labels of the command panels that the game writes.
enum class PanelLabel { Pic2, Pic5, Pic6, Souba, Pic7 };

enum class BoxButtons { Ok, OkCancel };
enum class BoxResult { Ok, Cancel };

struct MessageBoxRequest {
  std::string text;
  BoxButtons buttons = BoxButtons::Ok;
  BoxResult defaultButton = BoxResult::Ok;
  bool warning = false;
  std::string caption = "Velmora";
};

// Everything the game asks of the screen. The game decides; the port only shows and asks.
// Modal steps are synchronous: they return when their window has closed.
class UiPort {
 public:
  virtual ~UiPort() = default;

  // False for a screen nobody looks at (the simulator without --log): the game then builds no
  // message line, event line, caption or price text and redraws no province panel for it,
  // since nothing would show them. Boxes and windows are opened all the same: their answers
  // and their OK steer the game.
  virtual bool watched() const { return true; }

  // Message lines. Line 1 hides lines 2 and 3; lines 2 and 3 make themselves visible. Each
  // returns after the line has been held for holdSeconds, during which nothing else runs.
  virtual void showLine1(const std::string& text, double holdSeconds) = 0;
  virtual void showLine2(const std::string& text, double holdSeconds) = 0;
  virtual void showLine3(const std::string& text, double holdSeconds) = 0;

  // Modal message box; returns the button pressed.
  virtual BoxResult messageBox(const MessageBoxRequest& request) = 0;

  // Main window.
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

  // Command panels.
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

  // Battle window: opened modally, its loading starts the battle and the settlement closes
  // it; openBattleWindow returns after that.
  virtual void openBattleWindow() = 0;
  virtual void refreshBattle() = 0;  // the figures, when the window is open
  virtual void closeBattleWindow() = 0;

  // Event window: lists the lines modally; its OK runs onOk and then closes the window.
  virtual void showEventWindow(const std::vector<std::string>& lines,
                               const std::function<void()>& onOk) = 0;

  // The record of the game: a season begins (the port reads which from the game, so that a
  // screen that keeps no record builds nothing); a saved game was loaded (from
  // where), just before it replaces the running one; at unification, the course of the whole
  // game as a modal chart, which returns when closed.
  virtual void seasonBegins() = 0;
  virtual void gameLoaded(const std::string& path) = 0;
  // A text for the record alone, shown nowhere else (an autosave failure after the first).
  virtual void addToHistory(const std::string& /*text*/) {}
  // The figures behind the game's lines ("・尾張 兵 10→15 金 32→12"), for the record alone.
  // Only a screen that keeps them says so: elsewhere the game copies no value and builds no
  // text for them.
  virtual bool keepsDetails() const { return false; }
  virtual void addDetail(const std::string& /*text*/) {}
  virtual void showCourse(const std::vector<SeasonStanding>& course) = 0;

  // Ends the program; nothing of the game runs after it.
  virtual void terminate() = 0;
};

}  // namespace velmora
