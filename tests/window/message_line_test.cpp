// Desktop tests that need a real X server (run under xvfb-run): what the X server shows while
// the game holds a message line. A grab inside the process paints the widgets afresh and would
// show the text even when the screen does not.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

#include "core/messages.h"
#include "ui/app/game_app.h"
#include "ui/main/main_window.h"
#include "ui/windows/settings_dialog.h"
#include "window_game.h"

namespace velmora::ui {
namespace {

// Dark pixels: the strokes of the text on the line's light background.
int inkIn(const QImage& image) {
  int ink = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) ++ink;
    }
  }
  return ink;
}

class MessageLineOnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(startOnScreen(app));
    form = app.mainWindow();
  }

  // What the X server shows of the window now (not a grab, which would paint afresh).
  QImage shoot(const QString& file) const {
    const std::string command = "import -window " + std::to_string(form->winId()) + " " +
                                file.toStdString() + " 2>/dev/null";
    if (std::system(command.c_str()) != 0) return QImage();
    return QImage(file);
  }

  // Writes a line through the game's own path and, while its hold lasts, reads the line's place
  // from the X server until the text is there and the same in two shots in a row. Nothing when
  // the hold ended first: a busy machine can be slower than a second's hold, so the caller
  // tries again with a longer one.
  std::optional<QImage> writeAndShoot(int line, const std::string& text, const QString& file,
                                      const QRect& rect, double hold) {
    app.game().state.messageWait = hold;
    std::atomic<bool> holding{true};
    std::optional<QImage> seen;
    std::thread shooter([&] {
      QImage last;
      while (holding) {
        const QImage shot = shoot(file);
        const bool inHold = holding;  // the shot was finished within the hold
        if (shot.isNull() || !inHold) break;
        const QImage part = shot.copy(rect);
        if (inkIn(part) > 20 && part == last) {
          seen = part;
          break;
        }
        last = part;
      }
    });
    if (line == 2) {
      showLine2(app.game(), text);
    } else {
      showLine3(app.game(), text);
    }
    holding = false;
    shooter.join();
    return seen;
  }

  // A line's place on the window, as it stands now.
  QRect lineRect(int line) const {
    const auto* label =
        form->findChild<QLabel*>(line == 2 ? QStringLiteral("lblMsg2") : QStringLiteral("lblMsg3"));
    if (label == nullptr) return QRect();
    return QRect(label->mapTo(form, QPoint(0, 0)), label->size());
  }

  GameApp app;
  MainWindow* form = nullptr;
  QTemporaryDir dir;
};

// Line 1 hides lines 2 and 3; written again with the text they had, they must come back with it
// (several provinces in a row reporting 何もしない). Each hold is tried at one second, then at
// longer ones while the machine is too busy to read the screen within it.
TEST_F(MessageLineOnScreen, ALineThatRepeatsTheLineBeforeIsOnScreenForItsWholeHold) {
  const std::string nothing = "何もしない";
  for (int line : {2, 3}) {
    SCOPED_TRACE(line);
    const QString name = QString::number(line);
    // The line's place once it holds the text (a label grows with its text).
    app.game().state.messageWait = 0.1;
    line == 2 ? showLine2(app.game(), nothing) : showLine3(app.game(), nothing);
    const QRect rect = lineRect(line);
    ASSERT_FALSE(rect.isEmpty());
    std::optional<QImage> first, second;
    for (double hold = 1.0; hold <= 8.0 && !(first && second); hold *= 2) {
      app.game().state.messageWait = 0.1;
      showLine1(app.game(), "1 尾張 織田");
      first = writeAndShoot(line, nothing, dir.filePath(name + "a.png"), rect, hold);
      app.game().state.messageWait = 0.1;
      showLine1(app.game(), "2 美濃 斉藤");
      second = writeAndShoot(line, nothing, dir.filePath(name + "b.png"), rect, hold);
      if (!(first && second))
        std::cout << "line " << line << ": not read within " << hold << " s\n";
    }
    ASSERT_TRUE(first) << "the first 何もしない was not on the screen during its hold";
    ASSERT_TRUE(second) << "the repeated 何もしない was not on the screen during its hold";
    EXPECT_EQ(*first, *second);
  }
}

}  // namespace
}  // namespace velmora::ui
