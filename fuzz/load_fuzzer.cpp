// libFuzzer target for the save file reader: any bytes at all must be refused or taken
// without a crash, a leak or undefined behaviour, and whatever is taken must write back and
// read again to the very same state.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "persistence/save_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  velmora::SaveOutcome<velmora::GameState> loaded = velmora::parseSaveFile(bytes);
  if (!loaded) return 0;
  velmora::SaveOutcome<std::string> written = velmora::encodeSaveFile(*loaded.value);
  if (!written) std::abort();
  velmora::SaveOutcome<velmora::GameState> again = velmora::parseSaveFile(*written.value);
  if (!again || !(*again.value == *loaded.value)) std::abort();
  // A file the game wrote itself comes back byte for byte.
  if (velmora::encodeSaveFile(*again.value).value != written.value) std::abort();
  return 0;
}
