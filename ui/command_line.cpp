#include "ui/command_line.h"

#include <string_view>

#ifndef VELMORA_VERSION
#error "VELMORA_VERSION is set by the build from the project's version"
#endif

namespace velmora::ui {

namespace {

constexpr const char* kHelp =
    "Usage: velmora [Qt options]\n"
    "A single-player, turn-based strategy game of ten provinces of central Japan,\n"
    "with a Japanese user interface.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "Qt's own options (-platform, -style, -reverse ...) are accepted as in every Qt\n"
    "program; nothing else on the command line changes the game.\n";

}  // namespace

int answerCommandLine(int argc, const char* const* argv, std::FILE* out) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool help = arg == "--help" || arg == "-h";
    const bool version = arg == "--version";
    if (!help && !version) continue;
    if (help) {
      std::fputs(kHelp, out);
    } else {
      std::fputs("velmora " VELMORA_VERSION "\n", out);
    }
    // A full disk or a closed pipe is a failure, not an answer.
    return std::fflush(out) == 0 && !std::ferror(out) ? 0 : 1;
  }
  return -1;
}

}  // namespace velmora::ui
