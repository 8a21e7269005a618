#pragma once

#include <QColor>
#include <QRect>
#include <QtGlobal>

// Layout figures are kept in twips, the unit the game's screens were drawn in; 15 twips make
// one device-independent pixel, so the window keeps its proportions on any screen.
namespace velmora::ui {

// Rounded to the nearest pixel; also for offsets below zero (the scrolled map) and fractions
// (a morale bar's share of its box).
constexpr int tw(double twips) { return qRound(twips / 15.0); }

inline QRect twRect(int left, int top, int width, int height) {
  return QRect(tw(left), tw(top), tw(width), tw(height));
}

// The game's colours.
inline const QColor kMessageColour{255, 224, 192};    // message lines and the lord label
inline const QColor kPlayerColour{255, 192, 128};     // the player's provinces
inline const QColor kPanelTextColour{192, 255, 255};  // texts on the command panels
inline const QColor kHelpHeadingColour{255, 0, 0};
inline const QColor kMapLineColour{255, 128, 0};

}  // namespace velmora::ui
