#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <memory>
#include <vector>

#include "ui/app/game_app.h"
#include "ui/main/main_window.h"
#include "ui/windows/settings_dialog.h"

namespace velmora::ui::test {

// A control of a window found by the name it bears (its objectName); a missing one fails the
// test.
template <typename T = QPushButton>
T* named(const QObject* window, const QString& name) {
  T* w = window ? window->findChild<T*>(name) : nullptr;
  EXPECT_NE(w, nullptr) << name.toStdString();
  return w;
}

// A control of an indexed set, such as Option1(2).
inline QString indexed(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// The whole program without a display: boxes are answered by the test, the end of the program
// and the browser are only recorded.
class UiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<GameApp>();
    useOwnSaveFolder();
    app->port().setBoxHandler([this](QWidget*, const MessageBoxRequest& box) {
      boxes.push_back(box);
      if (answers.empty()) return BoxResult::Ok;
      BoxResult answer = answers.front();
      answers.pop_front();
      return answer;
    });
    app->port().setTerminateAction([this] { terminated = true; });
    app->port().setUrlOpener([this](const QUrl& url) {
      opened.push_back(url);
      return urlOpens;
    });
  }

  void TearDown() override { app.reset(); }

  // Saves and autosaves go to a folder of this test alone.
  void useOwnSaveFolder();

  // Start-up with the house given and the fastest messages; holds are then switched off.
  void startGame(const QString& house = QString::fromUtf8("織田"));

  Game& game() { return app->game(); }
  MainWindow* form() { return app->mainWindow(); }

  // A control of the main window.
  template <typename T = QPushButton>
  T* control(const QString& name) {
    return named<T>(form(), name);
  }

  void click(const char* name) {
    QPushButton* b = control(name);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isVisible()) << name << " is not visible";
    b->click();
  }

  // The panel now shown, by its name (exactly one of pic1 .. pic7).
  QString shownPanel() {
    QString shown;
    for (const char* name : {"pic1", "pic2", "pic3", "pic4", "pic5", "pic6", "pic7"}) {
      QWidget* panel = form()->findChild<QWidget*>(QLatin1String(name));
      if (panel && panel->isVisible()) {
        EXPECT_TRUE(shown.isEmpty()) << "two panels shown: " << shown.toStdString() << ", " << name;
        shown = QLatin1String(name);
      }
    }
    return shown;
  }

  // Lets the next press play the player's province p straight away.
  void nextPositionPlays(int p);

  QTemporaryDir saves;
  std::unique_ptr<GameApp> app;
  std::vector<MessageBoxRequest> boxes;
  std::deque<BoxResult> answers;
  std::vector<QUrl> opened;
  bool urlOpens = true;  // what the desktop answers
  bool terminated = false;
};

inline QString u8(const char* s) { return QString::fromUtf8(s); }

}  // namespace velmora::ui::test
