#include "ui/main/main_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

#include "core/game_view.h"
#include "game/turn_cycle.h"
#include "ui/main/command_panels.h"
#include "ui/main/key_codes.h"
#include "ui/main/main_window.h"
#include "ui/port/engine_gate.h"
#include "ui/windows/settings_dialog.h"

namespace velmora::ui {

namespace {

// The keypad digit 0..9 of a key code, or -1.
int keypadDigit(int code) {
  return code >= vk::kNumpad0 && code <= vk::kNumpad0 + 9 ? code - vk::kNumpad0 : -1;
}

bool isKeyPress(QObject* obj, QEvent* e, QWidget* window) {
  return e->type() == QEvent::KeyPress && window && obj->isWindowType() &&
         obj == window->windowHandle();
}

}  // namespace

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
  if (shownPanel(g_) == Panel::Message) {
    const bool enter = code == vk::kEnter;
    if (form_) form_->noteKeyOnMessagePanel();
    gate_.runPlayer([this, enter] { keyOnMessagePanel(g_, enter); });
    used = used || enter;
  }
  if (!form_ || gameEnded(g_)) return true;

  // The grey Home key brings back the map's top left corner, where the message panel and the
  // order panel stand, however far the map was scrolled away. Elsewhere Home is the lists'
  // and text boxes' own.
  if (code == vk::kHome && (shownPanel(g_) == Panel::Message || shownPanel(g_) == Panel::Order)) {
    form_->scrollMapHome();
    return true;
  }

  // The command panels' buttons each answer the key their panel's table gives them (keypad
  // digits, Enter, the decimal point). A press can show another panel, so the button is looked
  // up on the panel shown at each step.
  const auto keyed = [this, code] { return buttonForKey(shownPanel(g_), code); };

  // 2. The order panel; nothing else is looked at.
  if (shownPanel(g_) == Panel::Order) {
    if (const PanelControl* button = keyed()) return press(*button);
    if (digit == 4) {
      form_->scrollToProvince(currentProvince(g_));
      return true;
    }
    return used;
  }

  // 3. Military orders.
  if (shownPanel(g_) == Panel::Military) {
    if (const PanelControl* button = keyed()) used = press(*button);
  }

  // 4. Political orders; nothing else is looked at.
  if (shownPanel(g_) == Panel::Political) {
    if (const PanelControl* button = keyed()) return press(*button);
    return used;
  }

  // 5. The amount, target and delegation panels; on the others the key goes nowhere.
  switch (shownPanel(g_)) {
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

SettingsKeys::SettingsKeys(Game& g, EngineGate& gate, SettingsDialog* dialog)
    : QObject(dialog), g_(g), gate_(gate), window_(dialog) {}

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

// Before the first game the confirmation offers no save: there is nothing to save, and the
// offer would overwrite the saved game with an empty one.
void SettingsKeys::quit() {
  gate_.runPlayer([this] { quitGame(g_); });
}

}  // namespace velmora::ui
