#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The save file's text is Shift_JIS as Windows writes it (code page 932). Both conversions are
// strict: a character the other side cannot represent, or a broken byte sequence, gives
// nothing rather than a guess.
std::optional<std::string> toShiftJis(std::string_view utf8);
std::optional<std::string> fromShiftJis(std::string_view shiftJis);

}  // namespace velmora
