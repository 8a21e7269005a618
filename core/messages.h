#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/game.h"
#include "core/message_port.h"

namespace velmora {

namespace detail {

inline void appendPiece(std::string& text, std::string_view piece) { text += piece; }
inline void appendPiece(std::string& text, std::int32_t number) { text += std::to_string(number); }

template <typename... Pieces>
std::string joinPieces(const Pieces&... pieces) {
  std::string text;
  (appendPiece(text, pieces), ...);
  return text;
}

}  // namespace detail

// The paced message lines, held for the chosen message speed. A line is given as its pieces
// (texts and whole numbers, written one after the other) and is put together only when
// someone watches the screen: the simulator plays millions of turns that nobody reads.
template <typename... Pieces>
void showLine1(Game& g, const Pieces&... pieces) {
  if (g.ui.messages.watched())
    g.ui.messages.showLine1(detail::joinPieces(pieces...), g.state.messageWait);
}

template <typename... Pieces>
void showLine2(Game& g, const Pieces&... pieces) {
  if (g.ui.messages.watched())
    g.ui.messages.showLine2(detail::joinPieces(pieces...), g.state.messageWait);
}

template <typename... Pieces>
void showLine3(Game& g, const Pieces&... pieces) {
  if (g.ui.messages.watched())
    g.ui.messages.showLine3(detail::joinPieces(pieces...), g.state.messageWait);
}

// A modal box with OK only and the default caption.
void showBox(Game& g, const std::string& text);

// A modal box with OK and Cancel; true when OK was pressed.
bool askOkCancel(Game& g, const std::string& text, BoxResult defaultButton = BoxResult::Ok,
                 const std::string& caption = "Velmora");

}  // namespace velmora
