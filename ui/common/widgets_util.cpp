#include "ui/common/widgets_util.h"

#include <QApplication>
#include <QVBoxLayout>

#include "ui/common/twips.h"

namespace velmora::ui {

void setBackground(QWidget* w, const QColor& colour) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, colour);
  pal.setColor(QPalette::WindowText, Qt::black);
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

void setButtonFace(QWidget* w) {
  const QPalette desktop = QApplication::palette();
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, desktop.color(QPalette::Button));
  pal.setColor(QPalette::WindowText, desktop.color(QPalette::ButtonText));
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

void setFigure(QLabel* label, const QString& what, const QString& figure) {
  label->setText(figure);
  label->setAccessibleName(what + QLatin1Char(' ') + figure);
}

QWidget* fixedClientBelowMenu(QWidget* dialog, QMenuBar* menu, int widthTwips, int heightTwips) {
  auto* client = new QWidget(dialog);
  client->setFixedSize(twRect(0, 0, widthTwips, heightTwips).size());
  auto* layout = new QVBoxLayout(dialog);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menu);
  layout->addWidget(client);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  return client;
}

void fitToText(QLabel* label) {
  label->adjustSize();
  if (label->text().isEmpty()) label->resize(0, label->height());
}

void setCloseLines(QLabel* label, int percent) {
  label->setWordWrap(true);
  label->setTextFormat(Qt::RichText);
  label->setText(QStringLiteral("<div style=\"line-height: %1%; white-space: pre-wrap\">%2</div>")
                     .arg(percent)
                     .arg(label->text().toHtmlEscaped()));
}

QFrame* addPanel(QWidget* surface, const char* name, int left, int top, int width, int height) {
  auto* panel = new QFrame(surface);
  panel->setObjectName(QLatin1String(name));
  panel->setFrameStyle(QFrame::Box | QFrame::Plain);
  panel->setGeometry(twRect(left, top, width, height));
  setButtonFace(panel);
  return panel;
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                 int width, int height) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  if (width > 0 && height > 0) {
    label->setGeometry(twRect(left, top, width, height));
  } else {
    label->move(tw(left), tw(top));
    fitToText(label);
  }
  return label;
}

}  // namespace velmora::ui
