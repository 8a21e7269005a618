#include "combat/attack.h"

#include "core/messages.h"

namespace velmora {

// Until the battles exist no province has anything it can attack.
bool prepareAttack(Game& g, int /*a*/) {
  showBox(g, "戦闘可能都市がありません");
  return false;
}

bool declareAttack(Game& /*g*/, int /*a*/) { return false; }

}  // namespace velmora
