#include "ui/windows/history_window.h"

#include <QFileDialog>
#include <QKeySequence>
#include <QMessageBox>
#include <QMimeData>
#include <QSaveFile>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QVBoxLayout>
#include <cerrno>

#include "persistence/save_file.h"

namespace velmora::ui {

namespace {

QTextCharFormat formatOf(EntryKind kind, const QPalette& palette) {
  QTextCharFormat format;
  if (kind == EntryKind::Heading) format.setFontWeight(QFont::Bold);
  // Grey enough to read apart from the game's lines, dark enough to read.
  if (kind == EntryKind::Detail) format.setForeground(palette.color(QPalette::PlaceholderText));
  return format;
}

// Adds the entry as the last line, in the format of its kind.
void appendEntry(QTextDocument* document, const QString& entry, EntryKind kind,
                 const QPalette& palette) {
  QTextCursor cursor(document);
  cursor.movePosition(QTextCursor::End);
  if (!document->isEmpty()) cursor.insertBlock();
  cursor.setBlockCharFormat(formatOf(kind, palette));
  cursor.insertText(entry, formatOf(kind, palette));
}

}  // namespace

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
  QTextCursor batch(view_->document());
  batch.beginEditBlock();
  for (qsizetype i = 0; i < history.entries().size(); ++i) {
    appendEntry(view_->document(), history.entries()[i], history.kindOf(i), view_->palette());
  }
  batch.endEditBlock();
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

// A view that was at the end stays at the end; the player's selection stays where it is.
void HistoryWindow::append(const QString& entry, EntryKind kind) {
  QScrollBar* bar = view_->verticalScrollBar();
  const bool atEnd = bar->value() == bar->maximum();
  appendEntry(view_->document(), entry, kind, view_->palette());
  if (atEnd) bar->setValue(bar->maximum());
}

QString saveHistory(const History& history, const QString& file) {
  // In the game's words, never Qt's English: errno is what the failing call left.
  const auto failed = [](int err) {
    return QString::fromStdString(err != 0 ? systemErrorReason(err) : "書き込めません");
  };
  errno = 0;
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return failed(errno);
  const QByteArray bytes = history.plainText().toUtf8();
  if (out.write(bytes) != bytes.size()) {
    const int err = errno;
    out.cancelWriting();
    return failed(err);
  }
  if (!out.commit()) return failed(errno);
  return {};
}

void saveHistoryAs(const History& history, QWidget* parent) {
  const QString file = QFileDialog::getSaveFileName(parent, QString::fromUtf8("履歴を保存"),
                                                    QString::fromUtf8("履歴.txt"),
                                                    QString::fromUtf8("テキスト (*.txt)"));
  if (file.isEmpty()) return;
  const QString why = saveHistory(history, file);
  if (why.isEmpty()) return;
  QMessageBox::warning(parent, QStringLiteral("Velmora"),
                       QString::fromUtf8("履歴を保存できませんでした。\n%1(%2)").arg(file, why));
}

}  // namespace velmora::ui
