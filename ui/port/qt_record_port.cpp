#include "ui/port/qt_record_port.h"

#include "core/game_view.h"
#include "ui/port/qt_port.h"

namespace velmora::ui {

void QtRecordPort::seasonBegins() {
  if (const Game* game = port_.game()) port_.history().addHeading(seasonCaption(*game));
}

void QtRecordPort::gameLoaded(const std::string& path) {
  port_.history().clear();
  port_.history().add("ロードしたファイル: " + path);
}

void QtRecordPort::addToHistory(const std::string& text) { port_.history().add(text); }

void QtRecordPort::addDetail(const std::string& text) { port_.history().addDetail(text); }

}  // namespace velmora::ui
