// Message-hold probe for scripts/benchmark: starts the game as the program does, chooses the
// message speed given on the command line and no house of the player's, and lets the computer
// play whole seasons. For each season it prints the time the ten provinces took, the number of
// message lines held in it and the processor time the program used meanwhile, then ends.
//   velmora_hold_probe SPEED SEASONS   (SPEED 0..3, from the fastest messages)
#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "core/game.h"
#include "ui/app/app_setup.h"
#include "ui/app/game_app.h"
#include "ui/main/main_window.h"
#include "ui/windows/settings_dialog.h"

namespace {

using Clock = std::chrono::steady_clock;

double processorSeconds() {
  rusage use{};
  getrusage(RUSAGE_SELF, &use);
  return use.ru_utime.tv_sec + use.ru_utime.tv_usec / 1e6 + use.ru_stime.tv_sec +
         use.ru_stime.tv_usec / 1e6;
}

// Counts the lines written: a line label painted with a new text, or painted again after line
// 1 hid it. (Counting paints alone would not do: the OK prompt and the panel beneath repaint
// parts of the labels too.)
class LineCounter : public QObject {
 public:
  int lines = 0;

 protected:
  bool eventFilter(QObject* obj, QEvent* e) override {
    const QString name = obj->objectName();
    if (name != QLatin1String("lblMsg") && name != QLatin1String("lblMsg2") &&
        name != QLatin1String("lblMsg3")) {
      return false;
    }
    Seen& seen = seen_[name];
    if (e->type() == QEvent::Hide) {
      seen.hidden = true;
    } else if (e->type() == QEvent::Paint) {
      const QString text = static_cast<QLabel*>(obj)->text();
      if (seen.hidden || text != seen.text) ++lines;
      seen = {text, false};
    }
    return false;
  }

 private:
  struct Seen {
    QString text;
    bool hidden = false;
  };
  std::map<QString, Seen> seen_;
};

std::string peakMemory() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return line.substr(6);
  }
  return "?";
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  velmora::ui::setUpApplication(app);
  const int speed = argc > 1 ? std::atoi(argv[1]) : 3;
  const int seasons = argc > 2 ? std::atoi(argv[2]) : 1;
  velmora::ui::GameApp game;
  // The figures are the lines' own: no autosave's disk writes among them.
  game.game().autosave = false;
  game.start();
  velmora::ui::SettingsDialog* dialog = game.settingsDialog();
  if (dialog == nullptr) return 1;
  dialog->chooseSpeed(speed);
  dialog->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("*"));
  dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  velmora::GameState& s = game.game().state;

  LineCounter counter;
  app.installEventFilter(&counter);
  int played = 0;
  bool playing = false;
  int linesAtStart = 0;
  double processorAtStart = 0;
  Clock::time_point start;
  // Closes the event window of autumn. A timer of its own: the one below is still inside its
  // press, which opened the window, and a timer does not fire again before its slot returns.
  QTimer closer;
  closer.setInterval(10);
  QObject::connect(&closer, &QTimer::timeout, [] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->objectName() == QLatin1String("frmEvent")) {
      modal->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    }
  });
  closer.start();
  // Every 10 ms between handlers: start a season at its start and report it at its end.
  QTimer watch;
  watch.setInterval(10);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (QApplication::activeModalWidget() != nullptr) return;
    velmora::ui::MainWindow* form = game.mainWindow();
    if (form == nullptr || !form->isVisible()) return;
    auto* ok = form->findChild<QPushButton*>(QStringLiteral("cmdOk"));
    if (!playing && s.turnStart && s.orderPosition == 1) {
      if (played == seasons) {
        std::printf("peak memory (VmHWM):%s\n", peakMemory().c_str());
        std::fflush(stdout);
        std::_Exit(0);  // the program's own end would ask whether to save
      }
      playing = true;
      linesAtStart = counter.lines;
      processorAtStart = processorSeconds();
      start = Clock::now();
      ok->click();
    } else if (playing && s.orderPosition > velmora::kProvinceCount) {
      const double wall = std::chrono::duration<double>(Clock::now() - start).count();
      const double processor = processorSeconds() - processorAtStart;
      const int lines = counter.lines - linesAtStart;
      const double held = lines * s.messageWait;
      std::printf(
          "hold %.1f s, season %d: %.2f s for %d lines held %.2f s (%.1f ms a line beyond its "
          "hold); processor %.2f %% of one core\n",
          s.messageWait, played + 1, wall, lines, held,
          lines > 0 ? 1000 * (wall - held) / lines : 0.0, 100 * processor / wall);
      std::fflush(stdout);
      playing = false;
      ++played;
      ok->click();  // ends the turn: the next season's start
    }
  });
  watch.start();
  return app.exec();
}
