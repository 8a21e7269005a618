#pragma once

class QWidget;

namespace velmora::ui {

// Names the main window's panels, its map and the controls whose captions stand beside them,
// for screen readers. The province panels and the prices name themselves as they are redrawn,
// the command panels and their controls as their tables build them (ui/main/command_panels.cpp).
void nameMainWindowParts(QWidget* form);

class MainWindow;

// Describes the map for screen readers as the province panels show it now: each province with
// its lord, one a line (1 尾張 織田). Called whenever a panel is redrawn, so that a conquest is
// heard as it is seen.
void describeMap(MainWindow* form);

}  // namespace velmora::ui
