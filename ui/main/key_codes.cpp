#include "ui/main/key_codes.h"

#include <QKeyEvent>

namespace velmora::ui {

namespace {

// The keypad with Num Lock off reports the navigation key printed under each digit.
int keypadCode(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return vk::kNumpad0 + (qtKey - Qt::Key_0);
  switch (qtKey) {
    case Qt::Key_Insert:
      return vk::kNumpad0;
    case Qt::Key_End:
      return vk::kNumpad0 + 1;
    case Qt::Key_Down:
      return vk::kNumpad0 + 2;
    case Qt::Key_PageDown:
      return vk::kNumpad0 + 3;
    case Qt::Key_Left:
      return vk::kNumpad0 + 4;
    case Qt::Key_Clear:
      return vk::kNumpad0 + 5;
    case Qt::Key_Right:
      return vk::kNumpad0 + 6;
    case Qt::Key_Home:
      return vk::kNumpad0 + 7;
    case Qt::Key_Up:
      return vk::kNumpad0 + 8;
    case Qt::Key_PageUp:
      return vk::kNumpad0 + 9;
    case Qt::Key_Asterisk:
      return 106;
    case Qt::Key_Plus:
      return 107;
    case Qt::Key_Minus:
      return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:  // layouts with a decimal comma
    case Qt::Key_Delete:
      return vk::kDecimal;
    case Qt::Key_Slash:
      return 111;
    case Qt::Key_Enter:
    case Qt::Key_Return:
      return vk::kEnter;
    default:
      return 0;
  }
}

int mainKeyboardCode(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 48 + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 65 + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vk::kF1 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 9;
    case Qt::Key_Clear:
      return 12;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return vk::kEnter;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    case Qt::Key_Pause:
      return 19;
    case Qt::Key_CapsLock:
      return 20;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return vk::kLeft;
    case Qt::Key_Up:
      return vk::kUp;
    case Qt::Key_Right:
      return vk::kRight;
    case Qt::Key_Down:
      return vk::kDown;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    case Qt::Key_NumLock:
      return 144;
    case Qt::Key_ScrollLock:
      return 145;
    default:
      return 0;
  }
}

}  // namespace

int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (modifiers.testFlag(Qt::KeypadModifier)) {
    if (int code = keypadCode(qtKey)) return code;
  }
  return mainKeyboardCode(qtKey);
}

int virtualKeyCode(const QKeyEvent& event) {
  return virtualKeyCode(event.key(), event.modifiers());
}

bool isKeypadNavigation(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (!modifiers.testFlag(Qt::KeypadModifier)) return false;
  switch (qtKey) {
    case Qt::Key_Insert:
    case Qt::Key_End:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Clear:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_Delete:
      return true;
    default:
      return false;
  }
}

bool isModifierKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
      return true;
    default:
      return false;
  }
}

}  // namespace velmora::ui
