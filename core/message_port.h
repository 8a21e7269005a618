#pragma once

#include <string>

#include "core/message_box.h"

namespace velmora {

// The paced message lines and the modal boxes: how the game tells the player what happens.
class MessagePort {
 public:
  virtual ~MessagePort() = default;

  // False for a screen nobody looks at (the simulator without --log): the game then builds no
  // message line, event line, caption or price text and redraws no province panel for it,
  // since nothing would show them. Boxes and windows are opened all the same: their answers
  // and their OK steer the game.
  virtual bool watched() const { return true; }

  // Line 1 hides lines 2 and 3; lines 2 and 3 make themselves visible. Each returns after the
  // line has been held for holdSeconds, during which nothing else runs.
  virtual void showLine1(const std::string& text, double holdSeconds) = 0;
  virtual void showLine2(const std::string& text, double holdSeconds) = 0;
  virtual void showLine3(const std::string& text, double holdSeconds) = 0;

  // Modal message box; returns the button pressed.
  virtual BoxResult messageBox(const MessageBoxRequest& request) = 0;
};

}  // namespace velmora
