#pragma once

#include <cstdio>

namespace velmora::ui {

// The two questions the command line may ask, answered before any window system is touched:
// `--help` (or `-h`) and `--version`. Qt's own options pass on to QApplication; nothing else
// on the command line changes the game. Returns the exit status when the answer has been
// written to `out` and the program should end, or -1 when the game should start.
int answerCommandLine(int argc, const char* const* argv, std::FILE* out);

}  // namespace velmora::ui
