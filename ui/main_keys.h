#pragma once

#include <QObject>
#include <QPointer>

#include "core/game.h"

namespace velmora::ui {

class EngineGate;
class MainWindow;

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

  Game& g_;
  EngineGate& gate_;
  QPointer<MainWindow> form_;
};

}  // namespace velmora::ui
