#include "ui/main_window_names.h"

#include <QStringList>

#include "core/province.h"
#include "core/state_terms.h"
#include "ui/main_window.h"
#include "ui/map_surface.h"
#include "ui/province_panel.h"
#include "ui/widgets_util.h"

namespace velmora::ui {

void nameMainWindowParts(QWidget* form) {
  // A panel is named by its heading or by what it asks for; a box or a list by the caption
  // over it; the map and its scroll bars by the menu that opens and closes its panels.
  setAccessibleNames(form, {
                               {"Picture1", "国情報"},
                               {"HScroll1", "国情報"},
                               {"VScroll1", "国情報"},
                               {"pic1", "メッセージ"},
                               {"picSouba", "相場"},
                               {"pic2", "プレイヤーの番です"},
                               {"pic3", "軍事系"},
                               {"pic4", "政治系"},
                               {"pic5", "投資額"},
                               {"txtPic5", "投資額"},
                               {"pic6", "移動先は?"},
                               {"lstPic6", "移動先は?"},
                               {"txtPic6(0)", "兵力数は?"},
                               {"txtPic6(1)", "食料の数は?"},
                               {"txtPic6(2)", "金の数は?"},
                               {"pic7", "委任/委任解除"},
                               {"lstPic7", "委任/委任解除"},
                               {"PicPic", "ヘルプ 国情報"},
                               {"Picture2", "ヘルプ 国家情報"},
                               {"Picture3", "ヘルプ ボタンについて"},
                               {"picCur", "ヘルプ 数値入力"},
                           });
}

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
