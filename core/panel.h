#pragma once

namespace velmora {

// The main window's panels, all at one spot of the map; exactly one is shown at a time.
enum class Panel {
  Message = 1,     // pic1: message lines, OK, market board
  Order = 2,       // pic2: military / political / nothing
  Military = 3,    // pic3
  Political = 4,   // pic4
  Amount = 5,      // pic5: one amount
  Target = 6,      // pic6: target list and three amounts
  Delegation = 7,  // pic7
};

// The text labels of the command panels that the game writes.
enum class PanelLabel { Pic2, Pic5, Pic6, Souba, Pic7 };

}  // namespace velmora
