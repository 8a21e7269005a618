#include "ui/main/main_window_names.h"

#include <QStringList>

#include "core/province.h"
#include "core/state_terms.h"
#include "ui/common/widgets_util.h"
#include "ui/main/main_window.h"
#include "ui/main/map_surface.h"
#include "ui/main/province_panel.h"

namespace velmora::ui {

void describeMap(MainWindow* form) {
  QStringList lines;
  for (int p = 1; p <= kProvinceCount; ++p) {
    const ProvincePanel* panel = form->provincePanel(p);
    if (panel->lblKuni->text().isEmpty()) continue;  // not drawn yet
    lines << QStringList{panel->lblNum->text(), panel->lblKuni->text(), panel->lblRyoshu->text()}
                 .join(QLatin1Char(' '));
  }
  const QString description = lines.join(QLatin1Char('\n'));
  QWidget* map = form->mapSurface();
  if (map->accessibleDescription() != description) map->setAccessibleDescription(description);
}

}  // namespace velmora::ui
