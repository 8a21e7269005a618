#include "ui/main_keys.h"

#include <QKeyEvent>
#include <QWindow>

#include "core/turn_cycle.h"
#include "ui/engine_gate.h"
#include "ui/main_window.h"

namespace velmora::ui {

MainKeys::MainKeys(Game& g, EngineGate& gate, MainWindow* form, QObject* parent)
    : QObject(parent), g_(g), gate_(gate), form_(form) {}

bool MainKeys::eventFilter(QObject* obj, QEvent* e) {
  if (e->type() != QEvent::KeyPress || !form_ || !obj->isWindowType() ||
      obj != form_->windowHandle()) {
    return QObject::eventFilter(obj, e);
  }
  auto* key = static_cast<QKeyEvent*>(e);
  return mainWindowKey(key->key(), key->modifiers());
}

bool MainKeys::mainWindowKey(int key, Qt::KeyboardModifiers modifiers) {
  // Modifier keys alone and Alt combinations belong to the menu bar.
  if (key == Qt::Key_Alt || key == Qt::Key_AltGr || key == Qt::Key_Control ||
      key == Qt::Key_Shift || key == Qt::Key_Meta || (modifiers & Qt::AltModifier)) {
    return false;
  }
  if (g_.currentPanel == Panel::Message) {
    // Any key arms the Enter lock; Enter presses OK and then locks out the key repeats queued
    // meanwhile. No key reaches a control of the message panel.
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    gate_.runPlayer([this, enter] { keyOnMessagePanel(g_, enter); });
    return true;
  }
  return false;
}

}  // namespace velmora::ui
