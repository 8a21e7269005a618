#include "commands/delegation.h"

#include <string>
#include <vector>

#include "core/map.h"
#include "core/messages.h"
#include "core/order_input.h"
#include "core/panel_port.h"
#include "core/panels.h"

namespace velmora {

namespace {

constexpr const char* kDelegateMode = "委任";
constexpr const char* kRecallMode = "委任解除";

// Shows the delegation panel listing the player's provinces whose flag equals `delegated`.
void openPanel(Game& g, Game::DelegationMode mode, bool delegated) {
  showPanel(g, Panel::Delegation);
  g.delegationMode = mode;
  g.ui.panels.setPanelLabel(PanelLabel::Pic7,
                            mode == Game::DelegationMode::Delegate ? kDelegateMode : kRecallMode);
  std::vector<std::string> names;
  for (int p = 1; p <= kProvinceCount; ++p) {
    if (isPlayerProvince(g.state, p) && g.state.delegated[p] == delegated) {
      names.push_back(g.state.provinces[p].name);
    }
  }
  g.ui.panels.setDelegationList(names);
  // An empty list has no line to select.
  g.ui.panels.selectDelegation(names.empty() ? -1 : 0);
}

}  // namespace

void openDelegation(Game& g) { openPanel(g, Game::DelegationMode::Delegate, false); }

void openRecall(Game& g) { openPanel(g, Game::DelegationMode::Recall, true); }

void confirmDelegation(Game& g, const DelegationChoice& choice) {
  if (g.delegationMode == Game::DelegationMode::None) return;  // the panel was never opened
  const int line = choice.line;
  const int count = choice.lineCount;
  const bool delegating = g.delegationMode == Game::DelegationMode::Delegate;
  // The player always keeps at least one province to command.
  if (delegating && count == 1) {
    showBox(g, "一都市だけなので委任できません");
    return;
  }
  if (line < 0 || line >= count) return;
  const int p = provinceNamed(g.state, choice.lineText);
  if (p == 0) return;
  g.state.delegated[p] = delegating;
  showBox(g, g.state.provinces[p].name + (delegating ? "を委任しました" : "を委任解除しました"));
  g.ui.panels.removeDelegationLine(line);
}

}  // namespace velmora
