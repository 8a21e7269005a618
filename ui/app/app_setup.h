#pragma once

#include <QFont>
#include <QIcon>

class QApplication;
class QWidget;

namespace velmora::ui {

// Japanese standard buttons, the Japanese font, the style, the icon and the desktop file name
// every window of the game uses.
void setUpApplication(QApplication& app);

// The launcher's name without ".desktop": the Wayland app_id that ties the windows to it.
inline constexpr const char* kDesktopFileName = "org.velmora.velmora";

// The game's icon (assets/velmora.svg) drawn at the sizes window managers and docks ask for.
QIcon gameIcon();

// The game's own font: its fixed-size boxes are measured for it.
QFont gameFont();

// Gives a window the game's font, so that its boxes keep it whatever font the desktop sets
// for the application later (a desktop theme may replace the application's font once the
// program runs); the window's children inherit it.
void useGameFont(QWidget* window);

}  // namespace velmora::ui
