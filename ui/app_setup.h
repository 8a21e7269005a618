#pragma once

class QApplication;

namespace velmora::ui {

// Japanese standard buttons, the Japanese font and the style every window of the game uses.
void setUpApplication(QApplication& app);

}  // namespace velmora::ui
