#include "ui/port/qt_board_port.h"

#include "core/game_view.h"
#include "core/province.h"
#include "ui/common/widgets_util.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window_names.h"
#include "ui/main/map_surface.h"
#include "ui/main/province_panel.h"
#include "ui/port/qt_port.h"

namespace velmora::ui {

void QtBoardPort::setCaption(const std::string& caption) {
  if (MainWindow* form = port_.form()) form->setWindowTitle(qs(caption));
}

void QtBoardPort::redrawProvince(const Province& province, bool highlighted) {
  MainWindow* form = port_.form();
  if (!form) return;
  form->provincePanel(province.number)->redraw(province, highlighted);
  describeMap(form);
  const Game* game = port_.game();
  if (!game) return;
  // The region takes its holder's colour with the panel's redraw.
  form->mapSurface()->showHolder(province.number, holderOf(*game, province.number),
                                 playerHouse(*game));
}

void QtBoardPort::showPrices(const std::string& food, const std::string& arms,
                             const std::string& troops) {
  if (MainWindow* form = port_.form()) form->showPrices(qs(food), qs(arms), qs(troops));
}

void QtBoardPort::setOkLabelVisible(bool visible) {
  if (MainWindow* form = port_.form()) form->setOkPromptVisible(visible);
}

void QtBoardPort::cycleOkButton() {
  if (MainWindow* form = port_.form()) form->cycleOkButton();
}

void QtBoardPort::setDelegationMenuEnabled(bool enabled) {
  if (MainWindow* form = port_.form()) form->setDelegationMenuEnabled(enabled);
}

// After the end no timer starts again.
void QtBoardPort::setAutoPressTimer(bool on) {
  if (MainWindow* form = port_.form()) form->setAutoPressTimer(on && !port_.terminated());
}

void QtBoardPort::setLockTimer(bool on) {
  if (MainWindow* form = port_.form()) form->setLockTimer(on && !port_.terminated());
}

void QtBoardPort::bringMainWindowToFront() {
  MainWindow* form = port_.form();
  if (!form) return;
  form->show();
  form->raise();
  form->activateWindow();
}

}  // namespace velmora::ui
