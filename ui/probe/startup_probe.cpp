// Start-up probe for scripts/benchmark: starts the game exactly as the program does and prints
// the wall-clock time (ms since the epoch) once the first window has been painted and flushed
// to the screen, then ends.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "ui/app/app_setup.h"
#include "ui/app/game_app.h"

namespace {

class FirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* obj, QEvent* e) override {
    if (e->type() == QEvent::Paint && obj->isWidgetType() &&
        static_cast<QWidget*>(obj)->isWindow() && !seen_) {
      seen_ = true;
      // Queued: runs once the paint has been flushed.
      QTimer::singleShot(0, [] {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
        std::printf("%lld\n", static_cast<long long>(ms));
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  velmora::ui::setUpApplication(app);
  FirstPaint probe;
  app.installEventFilter(&probe);
  velmora::ui::GameApp game;
  game.start();
  return app.exec();
}
