#include "ui/app/command_line.h"

#include <algorithm>
#include <array>
#include <string>
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
    "program; any other option or word is refused.\n";

// Qt's own options as QApplication takes them, with one dash or two; the first ones take a
// value, as the next word or after "=".
constexpr std::array<std::string_view, 12> kQtOptionsWithValue{
    "platform", "platformpluginpath", "platformtheme", "plugin",
    "style",    "stylesheet",         "display",       "geometry",
    "session",  "qwindowgeometry",    "qwindowicon",   "qwindowtitle"};
constexpr std::array<std::string_view, 5> kQtFlags{"reverse", "widgetcount", "nograb", "dograb",
                                                   "sync"};

template <std::size_t N>
bool isOneOf(std::string_view name, const std::array<std::string_view, N>& names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// A refusal as GNU programs word it, on the error stream, and the status of a usage error.
int refuse(std::FILE* err, const std::string& what) {
  std::fprintf(err, "velmora: %s\nTry 'velmora --help' for more information.\n", what.c_str());
  return 2;
}

}  // namespace

int answerCommandLine(int argc, const char* const* argv, std::FILE* out, std::FILE* err) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool help = arg == "--help" || arg == "-h";
    const bool version = arg == "--version";
    if (help || version) {
      std::fputs(help ? kHelp : "velmora " VELMORA_VERSION "\n", out);
      // A full disk or a closed pipe is a failure, not an answer.
      return std::fflush(out) == 0 && !std::ferror(out) ? 0 : 1;
    }
    if (arg.size() < 2 || arg[0] != '-')
      return refuse(err, "extra operand '" + std::string(arg) + "'");
    std::string_view name = arg.substr(arg[1] == '-' ? 2 : 1);
    const std::size_t equals = name.find('=');
    const bool valueGiven = equals != std::string_view::npos;
    if (valueGiven) name = name.substr(0, equals);
    if (isOneOf(name, kQtOptionsWithValue)) {
      if (!valueGiven && ++i >= argc) {
        return refuse(err, "option '" + std::string(arg) + "' requires an argument");
      }
      continue;
    }
    if (!valueGiven && isOneOf(name, kQtFlags)) continue;
    return refuse(err, "unrecognized option '" + std::string(arg) + "'");
  }
  return -1;
}

}  // namespace velmora::ui
