// How the windows meet the desktop around them: its launcher, its theme and its font.
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QSet>
#include <cmath>

#include "core/game.h"
#include "core/province_check.h"
#include "ui/app/app_setup.h"
#include "ui/main/map_surface.h"
#include "ui/main/province_panel.h"
#include "ui/windows/battle_window.h"
#include "ui/windows/event_window.h"
#include "ui/windows/nation_window.h"
#include "ui_fixture.h"

namespace velmora::ui::test {
namespace {

// WCAG's contrast ratio of two colours, 1 (none) to 21 (black on white).
double contrast(const QColor& a, const QColor& b) {
  auto luminance = [](const QColor& c) {
    auto channel = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark desktop theme for the whole application while it lives.
class DarkDesktop {
 public:
  DarkDesktop() : saved_(QApplication::palette()) {
    QPalette dark;
    const QColor face(53, 53, 53);
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase}) {
      dark.setColor(role, face);
    }
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      dark.setColor(role, QColor(230, 230, 230));
    }
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    QApplication::setPalette(dark);
  }
  ~DarkDesktop() { QApplication::setPalette(saved_); }

 private:
  QPalette saved_;
};

// The desktop's font replaced after start-up, as a desktop theme does once the program runs.
class DesktopFont {
 public:
  DesktopFont() : saved_(QApplication::font()) {
    QFont desktop(QStringLiteral("DejaVu Sans"));
    desktop.setPointSize(14);
    QApplication::setFont(desktop);
  }
  ~DesktopFont() { QApplication::setFont(saved_); }

 private:
  QFont saved_;
};

// Beside the main window and the settings dialog, every other window of the game with the
// controls it can show: the nation window, the battle window and the event window.
struct OtherWindows {
  explicit OtherWindows(Game& g)
      : nation(g, nullptr), battle(g), event({"「豊作」です"}, nullptr, nullptr) {}
  std::vector<QWidget*> all() { return {&nation, &battle, &event}; }
  NationWindow nation;
  BattleWindow battle;
  EventWindow event;
};

TEST_F(UiTest, WindowsBearTheLaunchersNameAndTheGamesIcon) {
  EXPECT_EQ(QGuiApplication::desktopFileName(), u8("org.velmora.velmora"));
  startGame();
  const QIcon icon = form()->windowIcon();
  ASSERT_FALSE(icon.isNull());
  const QImage drawn = icon.pixmap(48, 48).toImage();
  int opaque = 0;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) opaque += qAlpha(drawn.pixel(x, y)) > 0 ? 1 : 0;
  }
  EXPECT_GT(opaque, 48 * 48 / 2) << "the icon is drawn, not an empty square";
}

TEST_F(UiTest, DarkDesktopThemeLeavesEveryTextReadable) {
  DarkDesktop dark;
  startGame();
  // Open panels show all their values; the player's 尾張 is highlighted, the others not.
  form()->openAllPanels();
  app->game().state.messageWait = 0;
  form()->writeLine(1, u8("1年目、春です"));
  OtherWindows others(game());
  app->openSettings();
  std::vector<QWidget*> windows = others.all();
  windows.push_back(form());
  windows.push_back(app->settingsDialog());

  int labels = 0;
  for (QWidget* window : windows) {
    ASSERT_NE(window, nullptr);
    for (QLabel* label : window->findChildren<QLabel*>()) {
      // The text stands on the nearest widget that fills its background (or on the window).
      const QWidget* under = label;
      while (!under->autoFillBackground() && !under->isWindow()) under = under->parentWidget();
      const QColor text = label->palette().color(label->foregroundRole());
      const QColor back = under->palette().color(under->backgroundRole());
      EXPECT_GE(contrast(text, back), 4.5)
          << window->objectName().toStdString() << " " << label->objectName().toStdString() << " \""
          << label->text().toStdString() << "\": " << text.name().toStdString() << " on "
          << back.name().toStdString();
      ++labels;
    }
    for (QAbstractItemView* list : window->findChildren<QAbstractItemView*>()) {
      const QPalette& p = list->palette();
      EXPECT_GE(contrast(p.color(QPalette::Text), p.color(QPalette::Base)), 4.5)
          << window->objectName().toStdString() << " " << list->objectName().toStdString();
    }
  }
  EXPECT_GT(labels, 200);

  // The panels keep the theme's own button face and text; the player's highlight is the
  // game's colour with black text.
  ProvincePanel* owari = form()->provincePanel(1);
  ProvincePanel* mino = form()->provincePanel(5);
  const QPalette theme = QApplication::palette();
  EXPECT_EQ(mino->palette().color(QPalette::Window), theme.color(QPalette::Button));
  EXPECT_EQ(mino->lblNum->palette().color(QPalette::WindowText), theme.color(QPalette::ButtonText));
  EXPECT_EQ(owari->lblNum->palette().color(QPalette::Window), QColor(255, 192, 128));
  EXPECT_EQ(owari->lblNum->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(UiTest, FixedSizeBoxesKeepTheGamesFontWhateverTheDesktopsFont) {
  app->start();
  // The desktop's font arrives after start-up, before the main window opens, and the desktop
  // may change it again while the game runs.
  DesktopFont desktop;
  named(app->settingsDialog(), "Command1")->click();
  ASSERT_NE(form(), nullptr);
  QFont other(QStringLiteral("DejaVu Serif"));
  other.setPointSize(16);
  QApplication::setFont(other);
  OtherWindows others(game());
  app->openSettings();
  std::vector<QWidget*> windows = others.all();
  windows.push_back(form());
  windows.push_back(app->settingsDialog());

  const QString family = gameFont().family();
  for (QWidget* window : windows) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
      // Every box is measured in pixels for the game's font; the desktop's is in points. The
      // menus' popups size themselves and may take the desktop's font.
      if (w->isWindow()) continue;
      EXPECT_GT(w->font().pixelSize(), 0)
          << window->objectName().toStdString() << " " << w->objectName().toStdString() << " "
          << w->font().toString().toStdString();
    }
  }
  // 相場 and 兵 fit their boxes.
  QLabel* souba = control<QLabel>("lblSoubaHeading");
  EXPECT_EQ(souba->font().family(), family);
  EXPECT_LE(souba->fontMetrics().horizontalAdvance(souba->text()), souba->width());
  QLabel* troops = form()->provincePanel(1)->captions[2];
  EXPECT_EQ(troops->text(), u8("兵"));
  EXPECT_EQ(troops->font().family(), family);
  EXPECT_LE(troops->fontMetrics().horizontalAdvance(troops->text()), troops->width());
}

// What a screen reader reads for a widget, through Qt's accessibility interface.
QString spokenName(QWidget* w) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
  return face ? face->text(QAccessible::Name) : QString();
}

// The controls and panels a screen reader stops at: buttons, boxes, lists, scroll bars,
// frames and filled areas; not the parts a list or a menu is made of.
bool readerStopsAt(QWidget* w) {
  if (w->isWindow() || qobject_cast<QLabel*>(w) || qobject_cast<QMenuBar*>(w)) return false;
  for (QWidget* up = w->parentWidget(); up && !up->isWindow(); up = up->parentWidget()) {
    if (qobject_cast<QAbstractScrollArea*>(up) || qobject_cast<QMenuBar*>(up)) return false;
  }
  return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
         qobject_cast<QAbstractItemView*>(w) || qobject_cast<QAbstractSlider*>(w) ||
         qobject_cast<QGroupBox*>(w) || qobject_cast<QFrame*>(w) || w->autoFillBackground();
}

TEST_F(UiTest, ScreenReadersFindANameForEveryControlAndPanel) {
  startGame();
  OtherWindows others(game());
  app->openSettings();
  std::vector<QWidget*> windows = others.all();
  windows.push_back(form());
  windows.push_back(app->settingsDialog());
  int stops = 0;
  for (QWidget* window : windows) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!readerStopsAt(w)) continue;
      ++stops;
      EXPECT_FALSE(spokenName(w).isEmpty())
          << window->objectName().toStdString() << " " << w->objectName().toStdString() << " ("
          << w->metaObject()->className() << ")";
    }
  }
  EXPECT_GT(stops, 80);

  // A province panel: its number, name, lord and values, also after a change.
  Province& owari = game().state.provinces[1];
  auto panelText = [&owari] {
    return QStringList{QString::number(owari.number),
                       qs(owari.name),
                       qs(owari.lord),
                       u8("国力 ") + QString::number(owari.power),
                       u8("城 ") + QString::number(owari.castle),
                       u8("兵 ") + QString::number(owari.troops),
                       u8("金 ") + QString::number(owari.gold),
                       u8("町 ") + QString::number(owari.town),
                       u8("食料 ") + QString::number(owari.food),
                       u8("武装 ") + QString::number(owari.arms),
                       u8("民度 ") + QString::number(owari.morale)}
        .join(QLatin1Char(' '));
  };
  ProvincePanel* panel = form()->provincePanel(1);
  EXPECT_EQ(spokenName(panel), panelText());
  owari.power += 7;
  owari.gold -= 3;
  checkProvince(game(), 1);
  EXPECT_EQ(spokenName(panel), panelText());
  EXPECT_EQ(spokenName(panel->lblKin), u8("金 ") + QString::number(owari.gold));

  // A price with what it prices; the house box with its caption.
  QLabel* food = control<QLabel>("lblMsgKome");
  EXPECT_EQ(spokenName(food), u8("食料 ") + food->text());
  EXPECT_EQ(spokenName(named<QLineEdit>(app->settingsDialog(), "Text1")),
            u8("6.プレイヤーキャラクターは？"));
}

// The battle window's tactic table is read number by number with its tactic and its column
// head; the map with every province and its lord, also after a conquest.
TEST_F(UiTest, ScreenReadersReadTheTacticTableAndWhoHoldsTheMap) {
  startGame();
  BattleState& battle = game().battle;
  battle = {};
  battle.attacker = 1;
  battle.target = 5;
  battle.fieldTroops = 40;
  battle.attackerCommitted = 40;
  battle.defenderStartTroops = game().state.provinces[5].troops;
  battle.defenderTactic = 5;
  BattleWindow window(game());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto cell = [&window](int row, int column) {
    return spokenName(
        named<QLabel>(&window, indexed(qPrintable(QStringLiteral("lbl%1").arg(row)), column)));
  };
  // 突撃 kills 30 %, 射撃 gains 10 against 突撃, 包囲 costs 50 %.
  EXPECT_EQ(cell(2, 0), u8("2.突撃 威力 30"));
  EXPECT_EQ(cell(4, 2), u8("4.射撃 突撃 10"));
  EXPECT_EQ(cell(3, 6), u8("3.包囲 消費 50"));
  QSet<QString> names;
  for (int row = 1; row <= 5; ++row) {
    for (int column = 0; column < 7; ++column) names.insert(cell(row, column));
  }
  EXPECT_EQ(names.size(), 35);
  window.closeFromGame();

  auto holders = [this] {
    QAccessibleInterface* map = QAccessible::queryAccessibleInterface(form()->mapSurface());
    return map ? map->text(QAccessible::Description).split(QLatin1Char('\n')) : QStringList();
  };
  ASSERT_EQ(holders().size(), 10);
  EXPECT_EQ(holders()[0], u8("1 尾張 織田"));
  EXPECT_EQ(holders()[4], u8("5 美濃 斉藤"));
  game().state.provinces[5].lord = "織田";
  checkProvince(game(), 5);
  EXPECT_EQ(holders()[4], u8("5 美濃 織田"));
}

}  // namespace
}  // namespace velmora::ui::test
