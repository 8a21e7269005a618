#include "ui/port/history.h"

namespace velmora::ui {

void History::add(const std::string& text) { append(text, EntryKind::Shown); }

void History::addHeading(const std::string& caption) {
  append(caption, EntryKind::Heading);
  emit seasonBegan();
}

void History::addDetail(const std::string& text) { append(text, EntryKind::Detail); }

void History::append(const std::string& text, EntryKind kind) {
  QString entry = QString::fromStdString(text);
  entry.replace(QLatin1Char('\n'), QStringLiteral(" / "));
  entries_.append(entry);
  kinds_.append(kind);
  emit added(entry, kind);
}

void History::clear() {
  entries_.clear();
  kinds_.clear();
  emit cleared();
}

QString History::plainText() const {
  QString text;
  for (const QString& entry : entries_) {
    text += entry;
    text += QLatin1Char('\n');
  }
  return text;
}

}  // namespace velmora::ui
