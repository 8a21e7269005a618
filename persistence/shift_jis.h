#pragma once

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The save file's text is Shift_JIS as Windows writes it (code page 932). Both conversions are
// strict: a character the other side cannot represent, or a broken byte sequence, gives
// nothing rather than a guess.
//
// A codec keeps its two converters open, so that reading or writing a whole file opens them
// once rather than once per text.
class ShiftJisCodec {
 public:
  ShiftJisCodec();
  ~ShiftJisCodec();
  ShiftJisCodec(const ShiftJisCodec&) = delete;
  ShiftJisCodec& operator=(const ShiftJisCodec&) = delete;

  std::optional<std::string> encode(std::string_view utf8);
  std::optional<std::string> decode(std::string_view shiftJis);

 private:
  iconv_t toShiftJis_;
  iconv_t fromShiftJis_;
};

}  // namespace velmora
