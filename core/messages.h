#pragma once

#include <string>

#include "core/game.h"

namespace velmora {

// The paced message lines, held for the chosen message speed.
void showLine1(Game& g, const std::string& text);
void showLine2(Game& g, const std::string& text);
void showLine3(Game& g, const std::string& text);

// A modal box with OK only and the default caption.
void showBox(Game& g, const std::string& text);

// A modal box with OK and Cancel; true when OK was pressed.
bool askOkCancel(Game& g, const std::string& text, BoxResult defaultButton = BoxResult::Ok,
                 const std::string& caption = "Velmora");

}  // namespace velmora
