#pragma once

class QWidget;

namespace velmora::ui {

// Names the main window's panels, its map and the controls whose captions stand beside them,
// for screen readers. The province panels and the prices name themselves as they are redrawn.
void nameMainWindowParts(QWidget* form);

}  // namespace velmora::ui
