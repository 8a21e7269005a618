#pragma once

#include <QDialog>
#include <QPointer>
#include <QWidget>

namespace velmora::ui {

// The one way the program opens a window of its own; a new window follows it.
//
// Beside the game (not modal): `make` builds it the first time, and it is deleted when it
// closes; while it is open, opening it again raises it rather than making a second one.
template <typename Window, typename Make>
Window* openBeside(QPointer<Window>& open, Make make) {
  if (!open) {
    open = make();
    open->setAttribute(Qt::WA_DeleteOnClose);
  }
  open->show();
  open->raise();
  open->activateWindow();
  return open;
}

// Modal: the game waits in it until it is closed; returns how it was closed.
inline int openModal(QDialog& window) { return window.exec(); }

}  // namespace velmora::ui
