#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <string>

namespace velmora::ui {

// What an entry of the history is, so that the window can set them apart.
enum class EntryKind { Shown, Heading, Detail };

// Every text the game has shown since it was started or loaded, in order: the message lines,
// the boxes, the event window's lines and a heading at the start of each season, and after
// the lines the figures behind them (details, "・..."). Kept whole for the game (a long game
// is a few tens of thousands of lines).
class History : public QObject {
  Q_OBJECT

 public:
  const QStringList& entries() const { return entries_; }
  EntryKind kindOf(qsizetype entry) const { return kinds_.at(entry); }

  // A shown text; a text of several lines is one entry, its lines joined by " / ".
  void add(const std::string& text);
  // The heading of a season that begins (its caption).
  void addHeading(const std::string& caption);
  // A detail: shown nowhere but here.
  void addDetail(const std::string& text);
  // Forgets everything before: a loaded game starts a history of its own.
  void clear();

  // The whole history as plain text, one entry a line, each ending in LF.
  QString plainText() const;

 signals:
  void added(const QString& entry, velmora::ui::EntryKind kind);
  void seasonBegan();
  void cleared();

 private:
  void append(const std::string& text, EntryKind kind);

  QStringList entries_;
  QList<EntryKind> kinds_;
};

}  // namespace velmora::ui
