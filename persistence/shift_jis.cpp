#include "persistence/shift_jis.h"

#include <cerrno>

namespace velmora {

namespace {

// glibc's "SHIFT_JIS" maps 0x5C to the yen sign and cannot encode ～ or －; "CP932" is the
// code page Windows uses and keeps ASCII as it is.
constexpr const char* kCodePage = "CP932";

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

std::optional<std::string> convert(iconv_t cd, std::string_view input, std::size_t growth) {
  if (cd == kNoConverter) return std::nullopt;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh start after any earlier failure
  std::string out(input.size() * growth + 16, '\0');
  // iconv takes a non-const input pointer but does not write through it.
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  std::size_t used = 0;
  bool flushed = false;
  while (!flushed) {
    char* outPtr = out.data() + used;
    std::size_t outLeft = out.size() - used;
    // Once the input is used up, one call without input ends the conversion.
    const bool flushing = inLeft == 0;
    std::size_t r = flushing ? iconv(cd, nullptr, nullptr, &outPtr, &outLeft)
                             : iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    used = static_cast<std::size_t>(outPtr - out.data());
    if (r == static_cast<std::size_t>(-1)) {
      // EILSEQ: unmappable or broken; EINVAL: cut off in the middle of a character.
      if (errno != E2BIG) return std::nullopt;
      out.resize(out.size() * 2);
      continue;
    }
    flushed = flushing;
  }
  out.resize(used);
  return out;
}

}  // namespace

ShiftJisCodec::ShiftJisCodec()
    : toShiftJis_(iconv_open(kCodePage, "UTF-8")), fromShiftJis_(iconv_open("UTF-8", kCodePage)) {}

ShiftJisCodec::~ShiftJisCodec() {
  if (toShiftJis_ != kNoConverter) iconv_close(toShiftJis_);
  if (fromShiftJis_ != kNoConverter) iconv_close(fromShiftJis_);
}

std::optional<std::string> ShiftJisCodec::encode(std::string_view utf8) {
  // Every character takes at most as many bytes in Shift_JIS as in UTF-8.
  return convert(toShiftJis_, utf8, 1);
}

std::optional<std::string> ShiftJisCodec::decode(std::string_view shiftJis) {
  // A one-byte half-width katakana becomes three bytes of UTF-8.
  return convert(fromShiftJis_, shiftJis, 3);
}

}  // namespace velmora
