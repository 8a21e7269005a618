#pragma once

#include <QPlainTextEdit>
#include <QWidget>

namespace velmora::ui {

class History;

// The history as read-only text whose copy gives plain lines, each ending in LF.
class HistoryView : public QPlainTextEdit {
  Q_OBJECT

 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  QMimeData* createMimeDataFromSelection() const override;
};

// 履歴: the game's history, one entry a line, beside the main window without blocking it. It
// opens at the end and follows new entries while the end is in view.
class HistoryWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HistoryWindow(const History& history, QWidget* parent = nullptr);

  HistoryView* view() const { return view_; }

 private:
  void append(const QString& entry);

  HistoryView* view_ = nullptr;
};

}  // namespace velmora::ui
