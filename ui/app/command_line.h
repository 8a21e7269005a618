#pragma once

#include <cstdio>

namespace velmora::ui {

// The two questions the command line may ask, answered before any window system is touched:
// `--help` (or `-h`) and `--version`. Qt's own options pass on to QApplication; any other
// option, and any word, since the game takes none, is refused on `err` as GNU programs do
// (status 2). Returns the exit status when the program should end (the answer written to
// `out`), or -1 when the game should start.
int answerCommandLine(int argc, const char* const* argv, std::FILE* out, std::FILE* err);

}  // namespace velmora::ui
