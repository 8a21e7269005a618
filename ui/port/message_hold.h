#pragma once

#include <QObject>
#include <QWidget>
#include <functional>

namespace velmora::ui {

// Puts what was just written on the screen at once (repainting only what changed) and holds
// the game for the given time, never less and not noticeably more.
// No code of the game runs meanwhile: no timer ticks and no input is delivered; keys, clicks,
// wheel turns and the close box's request made during the hold stay queued, in order, and are
// handled afterwards. The window stays alive: it repaints what is uncovered and answers the window
// manager's pings, screen readers and clipboard requests. The thread sleeps between those.
void showAndHold(QWidget* window, double seconds);

// Runs call once the handler running now has returned, through the context's thread's event
// loop. Like the game's timers it waits out a message hold: a deferred call the game itself
// made must not run inside one.
void callLater(QObject* context, std::function<void()> call);

}  // namespace velmora::ui
