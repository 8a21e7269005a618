#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "core/target_cursors.h"

namespace velmora {
struct Game;
}  // namespace velmora

namespace velmora::ui {

class EngineGate;
class MainWindow;
class SettingsDialog;
struct PanelControl;

// The main window's keyboard: installed on the application, it sees every key at the main
// window's own window object before the focused control does.
class MainKeys : public QObject {
 public:
  MainKeys(Game& g, EngineGate& gate, MainWindow* form, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* obj, QEvent* e) override;

 private:
  // Returns true when the key is used up and must not reach the focused control.
  bool mainWindowKey(int key, Qt::KeyboardModifiers modifiers);
  // Presses a command panel's button: what its click does; the key is then used up.
  bool press(const PanelControl& button);

  Game& g_;
  EngineGate& gate_;
  QPointer<MainWindow> form_;
  TargetCursors cursors_;
};

// The settings dialog's keyboard: F1 asks to quit, the keypad sets the choices. The keys still
// reach the focused control afterwards, as typed.
class SettingsKeys : public QObject {
 public:
  SettingsKeys(Game& g, EngineGate& gate, SettingsDialog* dialog);

 protected:
  bool eventFilter(QObject* obj, QEvent* e) override;

 private:
  bool settingsKey(SettingsDialog* dialog, int key, Qt::KeyboardModifiers modifiers);
  void quit();

  Game& g_;
  EngineGate& gate_;
  // Held as a plain widget: children of the dialog die after its own destructor has run, and
  // the events sent meanwhile pass this filter; a QPointer<SettingsDialog> would then cast a
  // QWidget down to the dialog it no longer is.
  QPointer<QWidget> window_;
};

}  // namespace velmora::ui
