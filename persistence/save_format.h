#pragma once

#include <optional>
#include <string>
#include <string_view>

// Game.dt as bytes: 287 lines ended by CR LF, Shift_JIS text, one value per line in a fixed
// order. No file access here; see save_file.h.
namespace velmora {

struct GameState;  // by name only: what reports save errors need not rebuild with the state

inline constexpr const char* kSaveFileName = "Game.dt";

// What is wrong with a save file, or with a state that cannot be written as one.
struct SaveFileError {
  int line = 0;         // the line at fault, 1-based; 0 when no single line is
  std::string field;    // the field of that line (国3の金), empty with line 0
  std::string problem;  // what is wrong, in the game's language

  // "12行目(国3の金): problem", or the problem alone.
  std::string describe() const;
};

// A value, or why there is none.
template <typename T>
struct SaveOutcome {
  std::optional<T> value;
  SaveFileError error;

  explicit operator bool() const { return value.has_value(); }
};

// True when the text can be written into the save file and read back unchanged: valid UTF-8,
// every character in Shift_JIS (as Windows' code page 932 has it, and mapping back to the
// same character), and no double quote, line break or other control character. The settings
// dialog uses it to refuse a house name where it is typed.
bool isStorableText(const std::string& text);

// The file's bytes for the saved part of the state. Fails when a text cannot be stored, or
// when a value would not read back (the bytes are read back and compared before they are
// handed out, so whatever this returns loads again to the same state).
SaveOutcome<std::string> encodeSaveFile(const GameState& s);

// Reads the bytes into a fresh state: every saved field from the file, `orderPosition` 1 and
// `turnStart` true whatever flag its line holds.
// Every line is checked; the first fault found is reported. Never throws on any input.
SaveOutcome<GameState> parseSaveFile(std::string_view bytes);

}  // namespace velmora
