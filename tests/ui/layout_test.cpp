#include <QLabel>
#include <QStyleOptionButton>

#include "ui_fixture.h"

namespace velmora::ui::test {
namespace {

// Room a button gives its caption: the style's contents rectangle.
int captionRoom(QPushButton* b) {
  QStyleOptionButton option;
  option.initFrom(b);
  option.text = b->text();
  return b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b).width();
}

// Every caption of the command panels fits its button with a pixel to spare on each side.
TEST_F(UiTest, CommandPanelCaptionsFitTheirButtons) {
  startGame();
  int checked = 0;
  for (const char* panel : {"pic2", "pic3", "pic4", "pic5", "pic6", "pic7"}) {
    for (QPushButton* b : control<QWidget>(panel)->findChildren<QPushButton*>()) {
      const int needed = b->fontMetrics().horizontalAdvance(b->text()) + 2;
      EXPECT_LE(needed, captionRoom(b)) << b->objectName().toStdString();
      ++checked;
    }
  }
  EXPECT_EQ(checked, 21);
}

// The prompt below the OK button ends clear of the market box beside it, and the prices stay
// inside the box.
TEST_F(UiTest, OkPromptClearsTheMarketBox) {
  startGame();
  QLabel* prompt = control<QLabel>("lblOk");
  QWidget* market = control<QWidget>("picSouba");
  ASSERT_EQ(prompt->parentWidget(), market->parentWidget());
  EXPECT_EQ(prompt->text(), u8("OKをおしてください"));
  EXPECT_LE(prompt->fontMetrics().horizontalAdvance(prompt->text()), prompt->width());
  EXPECT_LE(prompt->geometry().right() + 4, market->x());  // a visible gap
  // Every row is a whole line of the font, and all of it leaves the box's one-pixel border
  // whole.
  for (const char* row :
       {"lblMsgKome", "lblMsgBuki", "lblMsgHei", "lblSoubaKome", "lblSoubaBuki", "lblSoubaHei"}) {
    QLabel* label = control<QLabel>(row);
    EXPECT_GE(label->height(), label->fontMetrics().height()) << row;
    EXPECT_LT(label->geometry().bottom(), market->height() - 1) << row;
  }
  EXPECT_LE(market->geometry().bottom(), market->parentWidget()->height());
}

// The four speed options of the settings dialog stand apart: each caption ends before the
// next option's circle.
TEST_F(UiTest, SpeedOptionsDoNotTouch) {
  app->start();
  SettingsDialog* dialog = app->settingsDialog();
  ASSERT_NE(dialog, nullptr);
  dialog->show();
  for (int i = 0; i < 3; ++i) {
    QRadioButton* option = named<QRadioButton>(dialog, indexed("Option1", i));
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    const QRect contents =
        option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    const int textEnd =
        option->x() + contents.left() + option->fontMetrics().horizontalAdvance(option->text());
    EXPECT_LT(textEnd + 2, named<QRadioButton>(dialog, indexed("Option1", i + 1))->x()) << i;
  }
  // The advance box keeps its place, 120, 960, 4335 x 255 twips, and its whole caption.
  QCheckBox* box = named<QCheckBox>(dialog, "Check1");
  EXPECT_EQ(box->geometry(), QRect(8, 64, 289, 17));
  QStyleOptionButton style;
  style.initFrom(box);
  style.text = box->text();
  const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &style, box);
  EXPECT_LE(contents.left() + box->fontMetrics().horizontalAdvance(box->text()), box->width());
}

}  // namespace
}  // namespace velmora::ui::test

namespace velmora::ui::test {
namespace {

// A panel text that is empty shows nothing: no coloured square where the price line of a
// development order stays empty.
TEST_F(UiTest, EmptyPanelTextsShowNothing) {
  startGame();
  nextPositionPlays(1);
  click("cmdOk");
  click("cmdSeiji");
  click("cmdUri");
  EXPECT_FALSE(control<QLabel>("lblSouba")->text().isEmpty());
  EXPECT_GT(control<QLabel>("lblSouba")->width(), 0);
  click("cmdCancelpic5");
  click("cmdSeiji");
  click("cmdKokuryoku");
  EXPECT_EQ(shownPanel(), u8("pic5"));
  EXPECT_TRUE(control<QLabel>("lblSouba")->text().isEmpty());
  EXPECT_EQ(control<QLabel>("lblSouba")->width(), 0);
  EXPECT_GT(control<QLabel>("lblPic5")->width(), 0);
}

}  // namespace
}  // namespace velmora::ui::test

#include <QTextDocument>

#include "ui/windows/battle_window.h"
#include "ui/windows/nation_window.h"

namespace velmora::ui::test {
namespace {

// The size a label's text takes when wrapped to the label's contents width, measured the way
// the label draws it: plain text through the font metrics, rich text through a text document.
QRectF wrappedTextRect(const QLabel* label) {
  const int m = label->margin();
  const QRect room = label->contentsRect().adjusted(m, m, -m, -m);
  if (label->textFormat() == Qt::RichText) {
    QTextDocument doc;
    doc.setDefaultFont(label->font());
    doc.setDocumentMargin(0);
    doc.setHtml(label->text());
    doc.setTextWidth(room.width());
    return QRectF(room.topLeft(), QSizeF(doc.idealWidth(), doc.size().height()));
  }
  return label->fontMetrics().boundingRect(
      room, static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text());
}

// Every fixed-size label that wraps its text, in the main window, the battle window and the
// nation window, shows all of it inside its box; a label that fills its own background keeps
// the text a pixel clear of its left and right edges. Also run at device pixel ratio 2.
TEST_F(UiTest, WrappedTextsFitTheirBoxes) {
  startGame();
  BattleWindow battle(game());
  NationWindow nation(
      game(), [](int) {}, nullptr);
  int checked = 0;
  for (QWidget* window : {static_cast<QWidget*>(form()), static_cast<QWidget*>(&battle),
                          static_cast<QWidget*>(&nation)}) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (!label->wordWrap() || label->text().isEmpty()) continue;
      const QRectF text = wrappedTextRect(label);
      const int edge = label->autoFillBackground() ? 1 : 0;
      const QRectF box = QRectF(label->rect()).adjusted(edge, 0, -edge, 0);
      EXPECT_TRUE(box.contains(text))
          << label->objectName().toStdString() << " in " << window->objectName().toStdString()
          << ": text " << text.width() << "x" << text.height() << " at " << text.x() << ","
          << text.y() << " in a box of " << label->width() << "x" << label->height();
      ++checked;
    }
  }
  // The delegation note, the four help panels, the battle window's two notes and seven column
  // heads, and the nation window's legend.
  EXPECT_GE(checked, 14);
}

}  // namespace
}  // namespace velmora::ui::test
