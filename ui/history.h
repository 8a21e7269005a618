#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <string>

namespace velmora::ui {

// Every text the game has shown since it was started or loaded, in order: the message lines,
// the boxes, the event window's lines and a heading at the start of each season. Kept whole
// for the game (a long game is a few tens of thousands of lines).
class History : public QObject {
  Q_OBJECT

 public:
  const QStringList& entries() const { return entries_; }

  // A shown text; a text of several lines is one entry, its lines joined by " / ".
  void add(const std::string& text);
  // The heading of a season that begins (its caption).
  void addHeading(const std::string& caption);
  // Forgets everything before: a loaded game starts a history of its own.
  void clear();

  // The whole history as plain text, one entry a line, each ending in LF.
  QString plainText() const;

 signals:
  void added(const QString& entry);
  void seasonBegan();
  void cleared();

 private:
  QStringList entries_;
};

}  // namespace velmora::ui
