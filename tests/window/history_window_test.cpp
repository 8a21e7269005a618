// The history window in a real X server (run under xvfb-run), driven by keys the X server
// delivers as a player's would: Alt+R, H opens it, Ctrl+A, Ctrl+C copies it, Esc closes it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "ui/app/game_app.h"
#include "ui/main/main_window.h"
#include "ui/main/record_menu.h"
#include "ui/windows/history_window.h"
#include "ui/windows/settings_dialog.h"
#include "window_game.h"

namespace velmora::ui {
namespace {

void xdotool(const QStringList& args) {
  ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), args), 0) << args.join(' ').toStdString();
}

void keys(QWidget* window, const QStringList& keys) {
  xdotool(
      {QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window->winId())});
  xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50")} +
          keys);
}

TEST(HistoryWindowOnScreen, OpensCopiesAndClosesByKeys) {
  GameApp app;
  ASSERT_NO_FATAL_FAILURE(startOnScreen(app));
  MainWindow* form = app.mainWindow();
  const History& history = app.port().history();
  ASSERT_TRUE(QTest::qWaitFor([&] { return history.entries().size() >= 2; }));

  keys(form, {QStringLiteral("alt+r")});
  ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
      << "Alt+R opened no menu";
  keys(QApplication::activePopupWidget(), {QStringLiteral("h")});
  ASSERT_TRUE(QTest::qWaitFor([&] {
    HistoryWindow* w = app.recordMenu()->historyWindow();
    return w != nullptr && w->isVisible() && QTest::qWaitForWindowExposed(w, 100);
  })) << "H opened no history window";
  HistoryWindow* window = app.recordMenu()->historyWindow();
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("履歴"));

  QApplication::clipboard()->clear();
  keys(window, {QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")});
  ASSERT_TRUE(QTest::qWaitFor([&] {
    return QApplication::clipboard()->text() == history.plainText();
  })) << "copied: "
      << QApplication::clipboard()->text().toStdString();
  EXPECT_TRUE(history.plainText().startsWith(QString::fromUtf8("1年目の春\n")));

  keys(window, {QStringLiteral("Escape")});
  EXPECT_TRUE(QTest::qWaitFor([&] { return app.recordMenu()->historyWindow() == nullptr; }))
      << "Esc left the history window open";
}

}  // namespace
}  // namespace velmora::ui
