#include "core/terms.h"

namespace velmora {

const std::string& tacticName(int tactic) {
  static const std::array<std::string, kTacticCount + 1> names = [] {
    std::array<std::string, kTacticCount + 1> all{};
    for (int t = 1; t <= kTacticCount; ++t) all[t] = std::string(kTacticNames[t - 1]);
    return all;
  }();
  return names[tactic >= 1 && tactic <= kTacticCount ? tactic : 0];
}

}  // namespace velmora
