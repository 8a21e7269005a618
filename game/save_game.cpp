#include "game/save_game.h"

#include <sys/stat.h>

#include "core/board_port.h"
#include "core/course.h"
#include "core/game_state.h"
#include "core/market.h"
#include "core/message_port.h"
#include "core/messages.h"
#include "core/panels.h"
#include "core/province_check.h"
#include "core/record_port.h"
#include "game/autosave.h"
#include "persistence/save_file.h"

namespace velmora {

namespace {

void showFailure(Game& g, const std::string& text) {
  MessageBoxRequest box;
  box.text = text;
  box.warning = true;
  g.ui.messages.messageBox(box);
}

}  // namespace

std::filesystem::path saveFilePath(const Game& g) { return g.saveDirectory / kSaveFileName; }

std::optional<std::string> noSaveFolder(const Game& g) {
  if (!g.saveDirectory.empty()) return std::nullopt;
  return "セーブファイルを置く場所がありません(XDG_DATA_HOME も HOME も絶対パスではなく、"
         "ユーザーのホームフォルダもわかりません)";
}

bool saveGame(Game& g) {
  if (!g.state.turnStart) {
    showBox(g, "セーブはターンのはじめしかできません");
    return false;
  }
  showPanel(g, Panel::Message);
  const std::filesystem::path file = saveFilePath(g);
  const auto fail = [&](const std::string& why, bool earlierFileKept) {
    std::string text = "セーブできませんでした。\n" + why;
    if (earlierFileKept) text += "\n前のセーブファイルはそのまま残っています。";
    showFailure(g, text);
    return false;
  };
  if (auto why = noSaveFolder(g)) return fail(*why, false);
  // A failed save leaves whatever was there; only say so when there was a save to keep.
  struct stat before {};
  const bool earlier = ::stat(file.c_str(), &before) == 0 && S_ISREG(before.st_mode);
  if (auto error = writeSaveFile(g.state, file, g.makeSaveDirectory)) {
    return fail(error->describe(), earlier);
  }
  showBox(g, "セーブしました");
  return true;
}

void loadGame(Game& g) {
  if (auto why = noSaveFolder(g); why && g.state.turnStart) {
    showFailure(g, "ロードできませんでした。\n" + *why + "\nゲームはそのまま続きます。");
    return;
  }
  loadGameFrom(g, saveFilePath(g));
}

bool loadGameFrom(Game& g, const std::filesystem::path& file) {
  if (!g.state.turnStart) {
    showBox(g, "ロードはターンの始めしかできません");
    return false;
  }
  SaveOutcome<GameState> loaded = readSaveFile(file);
  if (!loaded) {
    showFailure(
        g, "ロードできませんでした。\n" + loaded.error.describe() + "\nゲームはそのまま続きます。");
    return false;
  }
  g.ui.record.gameLoaded(file.string());
  restoreGame(g, std::move(*loaded.value));
  showBox(g, "ロードしました");
  autosaveTurnStart(g);
  return true;
}

void restoreGame(Game& g, GameState loaded) {
  g.state = std::move(loaded);
  g.state.orderPosition = 1;
  g.currentPanel = Panel::Message;
  g.course.clear();
  recordSeasonStart(g);
  checkAllProvinces(g);
  showMarketPrices(g);
  showLine1(g, turnCaption(g.state) + "です");
  g.ui.board.setCaption(turnCaption(g.state));
}

}  // namespace velmora
