// Input from a real X server (run under xvfb-run), as a player's comes: keys and wheel turns
// during a message hold wait for its end; the wheel scrolls the map.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <atomic>
#include <iostream>
#include <thread>

#include "core/game.h"
#include "core/messages.h"
#include "core/panels.h"
#include "ui/app/game_app.h"
#include "ui/main/main_window.h"
#include "ui/main/map_surface.h"
#include "ui/port/message_hold.h"
#include "window_game.h"

namespace velmora::ui {
namespace {

bool xdotool(const QStringList& args) {
  return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

QString number(int n) { return QString::number(n); }

class InputOnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(startOnScreen(app));
    form = app.mainWindow();
    vertical = form->findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    ASSERT_NE(vertical, nullptr);
    ASSERT_TRUE(xdotool({"windowfocus", "--sync", number(form->winId())}));
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
  }

  // A point of the main window, for xdotool, inside a widget on it.
  QStringList at(QWidget* w) const {
    const QPoint p = w->mapTo(form, w->rect().center());
    return {"mousemove", "--window", number(form->winId()), number(p.x()), number(p.y())};
  }

  GameApp app;
  MainWindow* form = nullptr;
  QScrollBar* vertical = nullptr;
};

// Keys typed and a wheel turned during a hold reach the game after it, once and in order; the
// Enter lock's timer does not tick and a call the game deferred does not run meanwhile.
TEST_F(InputOnScreen, KeysAndTheWheelDuringAHoldComeAfterItOnceAndInOrder) {
  Game& g = app.game();
  velmora::showPanel(g, Panel::Amount);
  form->setAmountText(QString());  // focused, as for the player's amount
  auto* box = form->findChild<QLineEdit*>(QStringLiteral("txtPic5"));
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([box] { return QApplication::focusWidget() == box; }));

  // Each try holds longer while the machine is too slow to type within the hold.
  for (double hold = 1.0; hold <= 8.0; hold *= 2) {
    SCOPED_TRACE(hold);
    g.okLock = 1;
    form->setLockTimer(true);
    bool deferredRan = false;
    callLater(form, [&deferredRan] { deferredRan = true; });
    std::atomic<bool> sent{false};
    const QStringList wheel = at(box) + QStringList{"click", "5"};
    std::thread player([&] {
      xdotool({"type", "--delay", "30", "123"});
      xdotool(wheel);
      sent = true;
    });
    g.state.messageWait = hold;
    showLine2(g, "何もしない");
    const bool sentInHold = sent;
    const QString typedInHold = box->text();
    const int valueInHold = vertical->value();
    const int lockInHold = g.okLock;
    const bool deferredInHold = deferredRan;
    player.join();

    // Afterwards: the three digits once and in order, the map a notch lower, the lock released.
    const bool arrived = QTest::qWaitFor(
        [&] { return box->text().size() >= 3 && vertical->value() > 0 && g.okLock == 0; });
    QCoreApplication::processEvents();
    if (!sentInHold) {
      std::cout << "not typed within a hold of " << hold << " s\n";
      box->clear();
      vertical->setValue(0);
      continue;
    }
    EXPECT_EQ(typedInHold, QString());
    EXPECT_EQ(valueInHold, 0);
    EXPECT_EQ(lockInHold, 1);
    EXPECT_FALSE(deferredInHold);
    ASSERT_TRUE(arrived);
    EXPECT_EQ(box->text(), QStringLiteral("123"));
    EXPECT_EQ(vertical->value(), 3 * vertical->singleStep());
    EXPECT_TRUE(deferredRan);
    return;
  }
  FAIL() << "xdotool never typed within a hold";
}

// A notch down over the map shows its lower part; a notch up over the message panel, which
// moved up with the map, brings it back.
TEST_F(InputOnScreen, TheWheelScrollsTheMapDownAndBackUp) {
  // A point of the map in view where no panel lies, and the part of the message panel in view.
  QWidget* client = form->centralWidget();
  QPoint bare;
  for (int y = client->height() / 2; bare.isNull() && y < client->height() - 20; y += 10) {
    for (int x = 20; bare.isNull() && x < client->width() - 40; x += 10) {
      const QPoint p = client->mapTo(form, QPoint(x, y));
      if (form->childAt(p) == form->mapSurface()) bare = p;
    }
  }
  ASSERT_FALSE(bare.isNull());
  auto wheelAt = [this](QPoint p, const char* button) {
    return xdotool({"mousemove", "--window", number(form->winId()), number(p.x()), number(p.y()),
                    "click", button});
  };
  ASSERT_TRUE(wheelAt(bare, "5"));
  ASSERT_TRUE(QTest::qWaitFor([this] { return vertical->value() != 0; }));
  EXPECT_EQ(vertical->value(), 3 * vertical->singleStep());
  EXPECT_EQ(form->mapTopTwips(), -vertical->value());

  QWidget* messagePanel = form->findChild<QWidget*>(QStringLiteral("pic1"));
  ASSERT_NE(messagePanel, nullptr);
  const QRect shown = QRect(messagePanel->mapTo(form, QPoint(0, 0)), messagePanel->size())
                          .intersected(client->geometry());
  ASSERT_FALSE(shown.isEmpty());
  ASSERT_TRUE(wheelAt(shown.center(), "4"));
  ASSERT_TRUE(QTest::qWaitFor([this] { return vertical->value() == 0; }));
  EXPECT_EQ(form->mapTopTwips(), 0);
}

}  // namespace
}  // namespace velmora::ui
