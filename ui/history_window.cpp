#include "ui/history_window.h"

#include <QKeySequence>
#include <QMimeData>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "ui/history.h"

namespace velmora::ui {

QMimeData* HistoryView::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  QString text = cursor.selectedText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  // A selection that reaches the end of an entry takes its line end with it, so that the
  // whole history copies as lines that each end in LF.
  QTextCursor end(document());
  end.setPosition(cursor.selectionEnd());
  if (!text.isEmpty() && end.atBlockEnd()) text += QLatin1Char('\n');
  auto* data = new QMimeData;
  data->setText(text);
  return data;
}

HistoryWindow::HistoryWindow(const History& history, QWidget* parent)
    : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmHistory"));
  setWindowTitle(QString::fromUtf8("履歴"));
  resize(560, 420);
  view_ = new HistoryView(this);
  view_->setObjectName(QStringLiteral("txtHistory"));
  view_->setAccessibleName(QString::fromUtf8("履歴"));
  view_->setReadOnly(true);
  view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  view_->setUndoRedoEnabled(false);
  view_->setPlainText(history.entries().join(QLatin1Char('\n')));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  view_->moveCursor(QTextCursor::End);
  view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());

  connect(&history, &History::added, this, &HistoryWindow::append);
  connect(&history, &History::cleared, view_, &QPlainTextEdit::clear);
  auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close, &QShortcut::activated, this, &QWidget::close);
}

// Qt's append keeps a view that was at the end at the end, and leaves the player's selection
// where it is.
void HistoryWindow::append(const QString& entry) { view_->appendPlainText(entry); }

}  // namespace velmora::ui
