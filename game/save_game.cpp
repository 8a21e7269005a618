#include "game/save_game.h"

#include <system_error>

#include "core/course.h"
#include "core/market.h"
#include "core/messages.h"
#include "core/panels.h"
#include "core/province_check.h"
#include "persistence/save_file.h"

namespace velmora {

namespace {

void showFailure(Game& g, const std::string& text) {
  MessageBoxRequest box;
  box.text = text;
  box.warning = true;
  g.ui.messageBox(box);
}

}  // namespace

std::filesystem::path saveFilePath(const Game& g) { return g.saveDirectory / kSaveFileName; }

bool saveGame(Game& g) {
  if (!g.state.turnStart) {
    showBox(g, "セーブはターンのはじめしかできません");
    return false;
  }
  showPanel(g, Panel::Message);
  if (g.makeSaveDirectory) {
    // A failure here shows as the write's own message, which names the file.
    std::error_code ignored;
    std::filesystem::create_directories(g.saveDirectory, ignored);
  }
  if (auto error = writeSaveFile(g.state, saveFilePath(g))) {
    showFailure(g, "セーブできませんでした。\n" + error->describe() +
                       "\n前のセーブファイルはそのまま残っています。");
    return false;
  }
  showBox(g, "セーブしました");
  return true;
}

void loadGame(Game& g) {
  if (!g.state.turnStart) {
    showBox(g, "ロードはターンの始めしかできません");
    return;
  }
  SaveOutcome<GameState> loaded = readSaveFile(saveFilePath(g));
  if (!loaded) {
    showFailure(
        g, "ロードできませんでした。\n" + loaded.error.describe() + "\nゲームはそのまま続きます。");
    return;
  }
  g.ui.gameLoaded(saveFilePath(g).string());
  restoreGame(g, std::move(*loaded.value));
  showBox(g, "ロードしました");
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
  g.ui.setCaption(turnCaption(g.state));
}

}  // namespace velmora
