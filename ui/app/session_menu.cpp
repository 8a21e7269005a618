#include "ui/app/session_menu.h"

#include <QAction>
#include <QMenu>

#include "core/game_view.h"
#include "game/autosave.h"
#include "game/game_start.h"
#include "ui/main/main_window.h"
#include "ui/port/engine_gate.h"
#include "ui/port/message_hold.h"
#include "ui/port/qt_port.h"
#include "ui/windows/autosave_window.h"

namespace velmora::ui {

SessionMenu::SessionMenu(Game& g, QtPort& port, EngineGate& gate, QMenu* saveLoad, Hooks hooks)
    : QObject(saveLoad), g_(g), port_(port), gate_(gate), hooks_(std::move(hooks)) {
  QAction* resume = saveLoad->addAction(QString::fromUtf8("オートセーブから再開(&U)"));
  resume->setObjectName(QStringLiteral("mnuAutosave"));
  connect(resume, &QAction::triggered, this, &SessionMenu::resumeFromAutosave);
  QAction* fresh = saveLoad->addAction(QString::fromUtf8("新しいゲーム(&N)"));
  fresh->setObjectName(QStringLiteral("mnuNewGame"));
  connect(fresh, &QAction::triggered, this, &SessionMenu::newGame);
}

void SessionMenu::resumeFromAutosave() {
  gate_.runPlayer([this] {
    velmora::resumeFromAutosave(g_, [this](const std::vector<AutosaveEntry>& entries) {
      return AutosaveWindow::choose(entries, port_.form());
    });
  });
}

void SessionMenu::newGame() {
  // The settings dialog opens after the question's handler: its F1 runs the quit confirmation,
  // which must not wait behind a handler that waits for the dialog.
  gate_.runPlayer([this] {
    if (askNewGame(g_)) callLater(this, [this] { chooseNewGameSettings(); });
  });
}

void SessionMenu::chooseNewGameSettings() {
  if (gameEnded(g_)) return;
  if (!atTurnStart(g_)) {
    // A press queued behind the question started the turn: the refusal instead.
    gate_.runPlayer([this] { askNewGame(g_); });
    return;
  }
  if (!velmora::chooseNewGameSettings(g_, hooks_.chooseSettings)) return;
  gate_.runPlayer([this] {
    port_.history().clear();
    hooks_.reseed();
    startNewGame(g_);
  });
}

}  // namespace velmora::ui
