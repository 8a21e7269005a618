#pragma once

#include <Qt>

class QKeyEvent;

namespace velmora::ui {

// The platform's virtual key codes the game's key handlers are written in.
namespace vk {
inline constexpr int kEnter = 13;
inline constexpr int kHome = 36;  // the grey key; keypad 7 with Num Lock off is kNumpad0 + 7
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kNumpad0 = 96;
inline constexpr int kNumpad1 = 97;  // keypad 2..9 follow on
inline constexpr int kDecimal = 110;
inline constexpr int kF1 = 112;
}  // namespace vk

// Virtual key code of a key as Qt reports it (key() and the keypad modifier), 0 for keys the
// game has no code for. Keypad digits give 96..105 whether Num Lock is on or off, so that
// the panels react to the keypad either way; the main keyboard's digits keep 48..57.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
int virtualKeyCode(const QKeyEvent& event);

// A keypad key sent with Num Lock off (keypad 2 as Down, keypad 1 as End ...): the game reads
// it as the keypad digit, so it must not act as a cursor key on the controls as well.
bool isKeypadNavigation(int qtKey, Qt::KeyboardModifiers modifiers);

// Shift, Control, Alt and the like pressed on their own.
bool isModifierKey(int qtKey);

}  // namespace velmora::ui
