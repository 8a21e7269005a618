// The settings dialog's question for a name that is no house, in a real X server (run under
// xvfb-run): Enter on the dialog, the game's own message box, answered by keys the X server
// delivers as a player's would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "core/game.h"
#include "ui/app/game_app.h"
#include "ui/main/main_window.h"
#include "ui/windows/settings_dialog.h"

namespace velmora::ui {
namespace {

bool xdotool(const QStringList& args) {
  return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

bool keyInto(QWidget* window, const QString& key) {
  return xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                  QString::number(window->winId())}) &&
         xdotool({QStringLiteral("key"), key});
}

// Answers the next message box with a key once the X server shows it. The box runs a loop
// of its own inside the dialog's OK, so it is answered from a timer, which that loop runs.
class BoxAnswer : public QObject {
 public:
  explicit BoxAnswer(const QString& key) : key_(key) {
    connect(&timer_, &QTimer::timeout, this, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->windowHandle() || !box->windowHandle()->isExposed()) return;
      timer_.stop();
      text = box->text();
      answered = keyInto(box, key_);
    });
    timer_.start(20);
  }

  QString text;
  bool answered = false;

 private:
  QString key_;
  QTimer timer_;
};

TEST(HouseQuestionOnScreen, CancelGoesBackToTheDialogAndOkWatches) {
  QTemporaryDir saves;
  GameApp app;
  app.game().saveDirectory = saves.path().toStdString();
  app.port().setTerminateAction([] {});
  app.start();
  SettingsDialog* dialog = app.settingsDialog();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
  auto* house = dialog->findChild<QLineEdit*>(QStringLiteral("Text1"));
  ASSERT_NE(house, nullptr);
  house->setText(QString::fromUtf8("尾張"));  // the province, not its house
  const std::string playerBefore = app.game().state.playerHouse;
  const QString question = QString::fromUtf8("「尾張」という家はありません。観戦しますか?");

  {
    // Enter presses the focused OK; Esc in the box is its Cancel.
    BoxAnswer cancel(QStringLiteral("Escape"));
    ASSERT_TRUE(keyInto(dialog, QStringLiteral("Return")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return cancel.answered; })) << "no question was asked";
    EXPECT_EQ(cancel.text, question);
    ASSERT_TRUE(QTest::qWaitFor([&] {
      return QApplication::activeModalWidget() == nullptr && house->hasFocus() &&
             house->selectedText() == house->text();
    })) << "the house box has not the focus with its name selected";
  }
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(app.mainWindow(), nullptr);
  EXPECT_EQ(house->text(), QString::fromUtf8("尾張"));
  EXPECT_EQ(app.game().state.playerHouse, playerBefore);  // nothing stored
  EXPECT_EQ(app.game().state.settingHouseName, "織田");

  {
    // Enter in the house box presses OK again; Enter in the box is its OK.
    BoxAnswer ok(QStringLiteral("Return"));
    ASSERT_TRUE(keyInto(dialog, QStringLiteral("Return")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ok.answered; })) << "no question was asked";
    EXPECT_EQ(ok.text, question);
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.mainWindow() != nullptr; }));
  }
  ASSERT_TRUE(QTest::qWaitForWindowExposed(app.mainWindow()));
  const GameState& s = app.game().state;
  EXPECT_EQ(s.playerHouse, "尾張");
  EXPECT_EQ(s.settingHouseName, "尾張");
  for (int p = 1; p <= kProvinceCount; ++p) EXPECT_TRUE(isComputerPlayed(s, p)) << p;
}

}  // namespace
}  // namespace velmora::ui
