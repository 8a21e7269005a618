#include "core/game.h"

#include "core/ui_port.h"

namespace velmora {

Game::Game(UiPort& port, RandomSource& random)
    : Game(Screen{port, port, port, port, port}, random) {}

}  // namespace velmora
