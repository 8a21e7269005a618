#include "ui/main_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

#include "core/messages.h"
#include "game/turn_cycle.h"
#include "ui/command_panels.h"
#include "ui/engine_gate.h"
#include "ui/key_codes.h"
#include "ui/main_window.h"
#include "ui/settings_dialog.h"

namespace velmora::ui {

namespace {

// A cursor wraps round: below the first place to the last, past the last to the first.
int wrapped(int value, int count) {
  if (value < 0) return count - 1;
  if (value > count - 1) return 0;
  return value;
}

// The keypad digit 0..9 of a key code, or -1.
int keypadDigit(int code) {
  return code >= vk::kNumpad0 && code <= vk::kNumpad0 + 9 ? code - vk::kNumpad0 : -1;
}

bool isKeyPress(QObject* obj, QEvent* e, QWidget* window) {
  return e->type() == QEvent::KeyPress && window && obj->isWindowType() &&
         obj == window->windowHandle();
}

}  // namespace

int amountCursorStep(Game& g, TargetCursors& cursors, int direction) {
  if (g.state.orderJustStarted) cursors.amount = 0;
  const int focused = cursors.amount;
  cursors.amount = wrapped(cursors.amount + direction, 3);
  g.state.orderJustStarted = false;
  return focused;
}

int targetCursorStep(Game& g, TargetCursors& cursors, int direction, int count) {
  if (g.state.orderJustStarted) cursors.target = 0;
  g.state.orderJustStarted = false;
  if (count < 1) return -1;
  // A cursor left from an earlier, longer list is held to this one's bounds.
  cursors.target = wrapped(cursors.target + direction, count);
  return cursors.target;
}

MainKeys::MainKeys(Game& g, EngineGate& gate, MainWindow* form, QObject* parent)
    : QObject(parent), g_(g), gate_(gate), form_(form) {}

bool MainKeys::eventFilter(QObject* obj, QEvent* e) {
  if (!isKeyPress(obj, e, form_)) return QObject::eventFilter(obj, e);
  auto* key = static_cast<QKeyEvent*>(e);
  return mainWindowKey(key->key(), key->modifiers());
}

bool MainKeys::press(const PanelControl& button) {
  form_->runCommand(button.action);
  return true;
}

bool MainKeys::mainWindowKey(int key, Qt::KeyboardModifiers modifiers) {
  // Modifier keys alone and Alt combinations belong to the menu bar.
  if (isModifierKey(key) || (modifiers & Qt::AltModifier)) return false;
  const int code = virtualKeyCode(key, modifiers);
  const int digit = keypadDigit(code);
  // A key that did something is used up: the panel it opened must not receive it too (keypad
  // 3 choosing 兵増強 would otherwise type 3 over the amount just filled in). A keypad key
  // with Num Lock off is a navigation key to the controls, so it never reaches them either.
  bool used = isKeypadNavigation(key, modifiers);

  // 1. The message panel: any key arms the Enter lock, Enter presses OK.
  if (g_.currentPanel == Panel::Message) {
    const bool enter = code == vk::kEnter;
    if (form_) form_->noteKeyOnMessagePanel();
    gate_.runPlayer([this, enter] { keyOnMessagePanel(g_, enter); });
    used = used || enter;
  }
  if (!form_ || g_.ended) return true;

  // The grey Home key brings back the map's top left corner, where the message panel and the
  // order panel stand, however far the map was scrolled away. Elsewhere Home is the lists'
  // and text boxes' own.
  if (code == vk::kHome && (g_.currentPanel == Panel::Message || g_.currentPanel == Panel::Order)) {
    form_->scrollMapHome();
    return true;
  }

  // The command panels' buttons each answer the key their panel's table gives them (keypad
  // digits, Enter, the decimal point). A press can show another panel, so the button is looked
  // up on the panel shown at each step.
  const auto keyed = [this, code] { return buttonForKey(g_.currentPanel, code); };

  // 2. The order panel; nothing else is looked at.
  if (g_.currentPanel == Panel::Order) {
    if (const PanelControl* button = keyed()) return press(*button);
    if (digit == 4) {
      form_->scrollToProvince(g_.state.currentProvince);
      return true;
    }
    return used;
  }

  // 3. Military orders.
  if (g_.currentPanel == Panel::Military) {
    if (const PanelControl* button = keyed()) used = press(*button);
  }

  // 4. Political orders; nothing else is looked at.
  if (g_.currentPanel == Panel::Political) {
    if (const PanelControl* button = keyed()) return press(*button);
    return used;
  }

  // 5. The amount, target and delegation panels; on the others the key goes nowhere.
  switch (g_.currentPanel) {
    case Panel::Amount:
      if (const PanelControl* button = keyed()) return press(*button);
      return used;
    case Panel::Target:
      if (const PanelControl* button = keyed()) return press(*button);
      if (code == vk::kDown || code == vk::kUp) {
        form_->focusTargetAmount(amountCursorStep(g_, cursors_, code == vk::kDown ? 1 : -1));
        return true;
      }
      if (code == vk::kLeft || code == vk::kRight) {
        const int item =
            targetCursorStep(g_, cursors_, code == vk::kRight ? 1 : -1, form_->targetCount());
        if (item >= 0) form_->selectTarget(item);
        return true;
      }
      return used;
    case Panel::Delegation:
      if (const PanelControl* button = keyed()) return press(*button);
      return used;
    default:
      return true;
  }
}

SettingsKeys::SettingsKeys(Game& g, EngineGate& gate, SettingsDialog* dialog,
                           std::function<bool()> gameStarted)
    : QObject(dialog), g_(g), gate_(gate), window_(dialog), gameStarted_(std::move(gameStarted)) {}

bool SettingsKeys::eventFilter(QObject* obj, QEvent* e) {
  if (!isKeyPress(obj, e, window_)) return QObject::eventFilter(obj, e);
  // Only a dialog still whole takes keys; one half destroyed is a QWidget again.
  auto* dialog = qobject_cast<SettingsDialog*>(window_.data());
  if (!dialog) return QObject::eventFilter(obj, e);
  auto* key = static_cast<QKeyEvent*>(e);
  return settingsKey(dialog, key->key(), key->modifiers());
}

bool SettingsKeys::settingsKey(SettingsDialog* dialog, int key, Qt::KeyboardModifiers modifiers) {
  if (isModifierKey(key) || (modifiers & Qt::AltModifier)) return false;
  const int code = virtualKeyCode(key, modifiers);
  const int digit = keypadDigit(code);
  QWidget* focused = QApplication::focusWidget();
  if (code == vk::kF1) {
    quit();
  } else if (digit >= 1 && digit <= 4) {
    dialog->chooseSpeed(digit - 1);
  } else if (digit == 5) {
    dialog->toggleEnterAdvance();
  } else if (digit == 6) {
    dialog->focusHouseBox();  // which selects its text
  }
  // The key goes on to the control that had the focus when it was pressed. It is used up when
  // the focus moved (keypad 6 would type 6 into the house box it just selected) and when it
  // is a keypad key with Num Lock off (an arrow would move the speed option just checked).
  return !window_ || QApplication::focusWidget() != focused || isKeypadNavigation(key, modifiers);
}

void SettingsKeys::quit() {
  if (gameStarted_ && gameStarted_()) {
    gate_.runPlayer([this] { quitGame(g_); });
    return;
  }
  // Before the first game there is nothing to save: asking would offer to overwrite the saved
  // game with an empty one.
  gate_.runPlayer([this] {
    if (askOkCancel(g_, "終了します。よろしいですか?", BoxResult::Ok, g_.state.title)) {
      terminateGame(g_);
    }
  });
}

}  // namespace velmora::ui
