#pragma once

#include "core/board_port.h"
#include "core/message_port.h"
#include "core/panel_port.h"
#include "core/record_port.h"
#include "core/window_port.h"

namespace velmora {

// Every role of the screen in one object: the quiet screen, the simulator's and the tests'
// ports. The desktop gives each role its own object instead. The game decides; a port only
// shows and asks. Modal steps are synchronous: they return when their window has closed.
class UiPort : public MessagePort,
               public BoardPort,
               public PanelPort,
               public WindowPort,
               public RecordPort {};

}  // namespace velmora
