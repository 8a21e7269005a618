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
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "core/messages.h"
#include "ui/app_setup.h"
#include "ui/game_app.h"
#include "ui/main_window.h"
#include "ui/settings_dialog.h"

namespace velmora::ui {
namespace {

using Clock = std::chrono::steady_clock;

class MessageLineOnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    app.port().setBoxHandler([](QWidget*, const MessageBoxRequest&) { return BoxResult::Ok; });
    app.port().setTerminateAction([] {});
    app.start();
    SettingsDialog* dialog = app.settingsDialog();
    ASSERT_NE(dialog, nullptr);
    auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
    ASSERT_NE(ok, nullptr);
    ok->click();
    form = app.mainWindow();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    QTest::qWait(300);
    app.game().state.messageWait = kHold;
  }

  // Writes a line through the game's own path and, while its hold lasts, has ImageMagick read
  // the window from the X server. Fails when the shot was not finished within the hold.
  QImage writeAndShoot(int line, const std::string& text, const QString& file) {
    const std::string command = "import -window " + std::to_string(form->winId()) + " " +
                                file.toStdString() + " 2>/dev/null";
    Clock::time_point shotDone;
    std::thread shooter([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      EXPECT_EQ(std::system(command.c_str()), 0) << command;
      shotDone = Clock::now();
    });
    if (line == 1) {
      showLine1(app.game(), text);
    } else if (line == 2) {
      showLine2(app.game(), text);
    } else {
      showLine3(app.game(), text);
    }
    const Clock::time_point holdDone = Clock::now();
    shooter.join();
    EXPECT_LT(shotDone, holdDone) << "the screenshot was not taken during the hold";
    return QImage(file);
  }

  // A line's place on the window, as it stands now.
  QRect lineRect(int line) const {
    const auto* label =
        form->findChild<QLabel*>(line == 2 ? QStringLiteral("lblMsg2") : QStringLiteral("lblMsg3"));
    EXPECT_NE(label, nullptr) << line;
    if (label == nullptr) return QRect();
    return QRect(label->mapTo(form, QPoint(0, 0)), label->size());
  }

  static constexpr double kHold = 1.0;
  GameApp app;
  MainWindow* form = nullptr;
  QTemporaryDir dir;
};

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

// Line 1 hides lines 2 and 3; written again with the text they had, they must come back with it
// (several provinces in a row reporting 何もしない).
TEST_F(MessageLineOnScreen, ALineThatRepeatsTheLineBeforeIsOnScreenForItsWholeHold) {
  const std::string nothing = "何もしない";
  for (int line : {2, 3}) {
    SCOPED_TRACE(line);
    const QString name = QString::number(line);
    writeAndShoot(1, "1 尾張 織田", dir.filePath(name + "a1.png"));
    const QImage first = writeAndShoot(line, nothing, dir.filePath(name + "a2.png"));
    const QRect rect = lineRect(line);
    writeAndShoot(1, "2 美濃 斉藤", dir.filePath(name + "b1.png"));
    const QImage second = writeAndShoot(line, nothing, dir.filePath(name + "b2.png"));

    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());
    const QImage firstLine = first.copy(rect);
    const QImage secondLine = second.copy(rect);
    EXPECT_GT(inkIn(firstLine), 20) << "the first 何もしない is not on the screen";
    EXPECT_GT(inkIn(secondLine), 20) << "the repeated 何もしない is not on the screen";
    EXPECT_EQ(firstLine, secondLine);
  }
}

}  // namespace
}  // namespace velmora::ui

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  velmora::ui::setUpApplication(app);
  QApplication::setQuitOnLastWindowClosed(false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
