#pragma once

#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QString>
#include <QWidget>
#include <string>

namespace velmora::ui {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

// Fills the widget's background with a fixed colour of the game's own. Its text (and that of
// its children) is black whatever the desktop's palette: a dark theme's light text would be
// unreadable on the game's light colours.
void setBackground(QWidget* w, const QColor& colour);

// The same; the name the windows made of coloured boxes use.
inline void setBackgroundWithBlackText(QWidget* w, const QColor& colour) {
  setBackground(w, colour);
}

// Fills the widget's background with the palette's button face, its text in the palette's
// button text: the panels, light or dark with the desktop's theme.
void setButtonFace(QWidget* w);

// Writes a figure into its label and names the label for screen readers with what the figure
// is ("国力 30"): the figure alone would be read without its caption.
void setFigure(QLabel* label, const QString& what, const QString& figure);

// A panel on the map at a place given in twips: a plain box in the button face.
QFrame* addPanel(QWidget* surface, const char* name, int left, int top, int width, int height);

// A child label at a place given in twips; width and height 0 let it size itself to its text.
QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                 int width = 0, int height = 0);

// A dialog's client area of a fixed size in twips below its menu bar; the dialog keeps the
// size of the two together.
QWidget* fixedClientBelowMenu(QWidget* dialog, QMenuBar* menu, int widthTwips, int heightTwips);

// Sizes a label to its text; an empty label shrinks to nothing rather than to a coloured
// square of its minimum size.
void fitToText(QLabel* label);

// Wraps a fixed-size label's text with its lines set closer than the font's own line height
// (percent of it), for the small notes whose boxes hold more lines than the font would fit.
// Blanks in the text are kept.
void setCloseLines(QLabel* label, int percent);

// A label that reports clicks (the province panels' number and name).
class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) emit clicked();
    QLabel::mousePressEvent(e);
  }
};

}  // namespace velmora::ui
