#include "ui/message_hold.h"

#include <QCoreApplication>
#include <QEvent>
#include <chrono>
#include <thread>

namespace velmora::ui {

void showAndHold(QWidget* window, double seconds) {
  // A steady clock: the hold ends correctly whatever the wall clock does (midnight, changes).
  const auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                            std::chrono::duration<double>(seconds > 0 ? seconds : 0));
  if (window != nullptr && window->isVisible()) {
    // Lay out labels that grew with their text, then paint synchronously what was marked for
    // repainting (the line, and what it uncovered) rather than the whole window: the window's
    // pending update request paints and flushes just those regions.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(window->window(), QEvent::UpdateRequest);
  }
  std::this_thread::sleep_until(deadline);
}

}  // namespace velmora::ui
