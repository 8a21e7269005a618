#include "ui/history.h"

namespace velmora::ui {

void History::add(const std::string& text) {
  QString entry = QString::fromStdString(text);
  entry.replace(QLatin1Char('\n'), QStringLiteral(" / "));
  entries_.append(entry);
  emit added(entry);
}

void History::addHeading(const std::string& caption) {
  add(caption);
  emit seasonBegan();
}

void History::clear() {
  entries_.clear();
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
