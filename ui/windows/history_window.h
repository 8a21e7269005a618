#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QWidget>

#include "ui/port/history.h"

namespace velmora::ui {

// The history as read-only text whose copy gives plain lines, each ending in LF.
class HistoryView : public QPlainTextEdit {
  Q_OBJECT

 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  QMimeData* createMimeDataFromSelection() const override;
};

// 履歴: the game's history, one entry a line, beside the main window without blocking it:
// season headings in bold, details in grey. It opens at the end and follows new entries while
// the end is in view.
class HistoryWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HistoryWindow(const History& history, QWidget* parent = nullptr);

  HistoryView* view() const { return view_; }

 private:
  void append(const QString& entry, EntryKind kind);

  HistoryView* view_ = nullptr;
};

// Writes the whole history, details included, to `file` as UTF-8 text with LF line ends;
// replaces the file only once all of it is written. Empty when it was written, else why not.
QString saveHistory(const History& history, const QString& file);

// 履歴を保存(&S)...: asks where, and writes there; a failure is told in a box over `parent`.
void saveHistoryAs(const History& history, QWidget* parent);

}  // namespace velmora::ui
