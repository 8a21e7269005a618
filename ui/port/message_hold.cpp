#include "ui/port/message_hold.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>
#include <utility>
#include <vector>

namespace velmora::ui {

namespace {

using Clock = std::chrono::steady_clock;

// Wakes the event loop at a hold's deadline: with timers excluded nothing else would, and the
// hold would last until the next event from the window system. A single thread serves every
// hold: starting one a line would cost the processor more than the hold itself does.
class DeadlineWaker {
 public:
  void arm(QAbstractEventDispatcher* dispatcher, Clock::time_point deadline) {
    {
      std::lock_guard lock(mutex_);
      dispatcher_ = dispatcher;
      deadline_ = deadline;
      armed_ = true;
    }
    changed_.notify_one();
  }

  void disarm() {
    {
      std::lock_guard lock(mutex_);
      armed_ = false;
    }
    changed_.notify_one();
  }

 private:
  void run(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    while (changed_.wait(lock, stop, [this] { return armed_; })) {
      const Clock::time_point due = deadline_;
      // Disarmed, or armed again for the next hold, before this deadline came.
      if (changed_.wait_until(lock, stop, due, [this, due] { return !armed_ || deadline_ != due; }))
        continue;
      if (stop.stop_requested()) return;
      armed_ = false;
      dispatcher_->wakeUp();
    }
  }

  std::mutex mutex_;
  std::condition_variable_any changed_;
  QAbstractEventDispatcher* dispatcher_ = nullptr;
  Clock::time_point deadline_;
  bool armed_ = false;
  std::jthread thread_{[this](std::stop_token stop) { run(stop); }};  // last: uses the above
};

// Input posted to the program rather than read from the window system (a test's, a tool's) is
// kept back the same way: taken out during the hold, in order, and posted again after it. The
// window system's own input is left where it waits, to come afterwards as it came.
class PostedInputKeeper : public QObject {
 public:
  PostedInputKeeper() { QCoreApplication::instance()->installEventFilter(this); }
  ~PostedInputKeeper() override {
    QCoreApplication::instance()->removeEventFilter(this);
    for (auto& [receiver, event] : kept_) {
      if (receiver) {
        QCoreApplication::postEvent(receiver, event.release());
      }
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->spontaneous() || !isInput(e->type())) return false;
    kept_.emplace_back(watched, std::unique_ptr<QEvent>(e->clone()));
    return true;
  }

 private:
  static bool isInput(QEvent::Type type) {
    switch (type) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::TouchCancel:
      case QEvent::TabletPress:
      case QEvent::TabletMove:
      case QEvent::TabletRelease:
      case QEvent::ContextMenu:
        return true;
      default:
        return false;
    }
  }

  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> kept_;
};

}  // namespace

void showAndHold(QWidget* window, double seconds) {
  // A steady clock: the hold ends correctly whatever the wall clock does (midnight, changes).
  const auto deadline =
      Clock::now() + std::chrono::duration_cast<Clock::duration>(
                         std::chrono::duration<double>(seconds > 0 ? seconds : 0));
  if (window != nullptr && window->isVisible()) {
    // Lay out labels that grew with their text, then paint synchronously what was marked for
    // repainting (the line, and what it uncovered) rather than the whole window: the window's
    // pending update request paints and flushes just those regions.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(window->window(), QEvent::UpdateRequest);
  }
  if (Clock::now() >= deadline) return;
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  if (dispatcher == nullptr || QCoreApplication::instance() == nullptr ||
      QThread::currentThread() != QCoreApplication::instance()->thread()) {
    std::this_thread::sleep_until(deadline);
    return;
  }
  // Only the window system's own work is done meanwhile: repaints, the window manager's pings,
  // screen readers' and clipboard requests. Input stays queued in order, timers do not tick.
  // The game's own deferred calls are timers too (callLater).
  constexpr QEventLoop::ProcessEventsFlags kWindowSystemOnly = QEventLoop::ExcludeUserInputEvents |
                                                               QEventLoop::X11ExcludeTimers |
                                                               QEventLoop::WaitForMoreEvents;
  static DeadlineWaker waker;
  {
    PostedInputKeeper input;
    waker.arm(dispatcher, deadline);
    while (Clock::now() < deadline) QCoreApplication::processEvents(kWindowSystemOnly);
    waker.disarm();
  }
  // The input that came during the hold is already read from the window system; without a
  // wake-up the event loop would only look at it when something else arrives.
  dispatcher->wakeUp();
}

void callLater(QObject* context, std::function<void()> call) {
  auto* timer = new QTimer(context);
  timer->setSingleShot(true);
  QObject::connect(timer, &QTimer::timeout, context, [timer, call = std::move(call)] {
    timer->deleteLater();
    call();
  });
  timer->start(0);
}

}  // namespace velmora::ui
