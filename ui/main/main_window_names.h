#pragma once

namespace velmora::ui {

class MainWindow;

// Describes the map for screen readers as the province panels show it now: each province with
// its lord, one a line (1 尾張 織田). Called whenever a panel is redrawn, so that a conquest is
// heard as it is seen.
void describeMap(MainWindow* form);

}  // namespace velmora::ui
