#pragma once

#include <QWidget>

namespace velmora::ui {

// Puts what was just written on the screen at once (repainting only what changed) and holds
// the program for the given time.
// Nothing else runs meanwhile: no timer tick, no input handler; input typed during the hold
// stays queued and is handled afterwards. The thread sleeps, it does not spin.
void showAndHold(QWidget* window, double seconds);

}  // namespace velmora::ui
