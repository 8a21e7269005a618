#include <gtest/gtest.h>

#include <QKeyEvent>

#include "ui/main/key_codes.h"

namespace {

using velmora::ui::virtualKeyCode;

struct KeyCase {
  int key;
  Qt::KeyboardModifiers modifiers;
  int code;
};

void expectCodes(std::initializer_list<KeyCase> cases) {
  for (const KeyCase& c : cases) {
    EXPECT_EQ(virtualKeyCode(c.key, c.modifiers), c.code)
        << "Qt key 0x" << std::hex << c.key << " modifiers 0x" << c.modifiers.toInt();
  }
}

constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;

TEST(KeyCodes, KeypadDigitsWithNumLockOn) {
  expectCodes({{Qt::Key_0, kKeypad, 96},
               {Qt::Key_1, kKeypad, 97},
               {Qt::Key_2, kKeypad, 98},
               {Qt::Key_3, kKeypad, 99},
               {Qt::Key_4, kKeypad, 100},
               {Qt::Key_5, kKeypad, 101},
               {Qt::Key_6, kKeypad, 102},
               {Qt::Key_7, kKeypad, 103},
               {Qt::Key_8, kKeypad, 104},
               {Qt::Key_9, kKeypad, 105},
               {Qt::Key_Period, kKeypad, 110}});
}

// With Num Lock off the keypad reports navigation keys; the keypad modifier tells them from
// the real cursor block, which must keep the cursor codes.
TEST(KeyCodes, KeypadWithNumLockOffStillGivesKeypadCodes) {
  expectCodes({{Qt::Key_Insert, kKeypad, 96},
               {Qt::Key_End, kKeypad, 97},
               {Qt::Key_Down, kKeypad, 98},
               {Qt::Key_PageDown, kKeypad, 99},
               {Qt::Key_Left, kKeypad, 100},
               {Qt::Key_Clear, kKeypad, 101},
               {Qt::Key_Right, kKeypad, 102},
               {Qt::Key_Home, kKeypad, 103},
               {Qt::Key_Up, kKeypad, 104},
               {Qt::Key_PageUp, kKeypad, 105},
               {Qt::Key_Delete, kKeypad, 110}});
  expectCodes({{Qt::Key_Left, kNone, 37},
               {Qt::Key_Up, kNone, 38},
               {Qt::Key_Right, kNone, 39},
               {Qt::Key_Down, kNone, 40},
               {Qt::Key_End, kNone, 35},
               {Qt::Key_Delete, kNone, 46}});
}

TEST(KeyCodes, EnterF1DigitsAndLetters) {
  expectCodes({{Qt::Key_Enter, kKeypad, 13},
               {Qt::Key_Return, kNone, 13},
               {Qt::Key_F1, kNone, 112},
               {Qt::Key_F2, kNone, 113},
               // The main keyboard's digits are not the keypad's.
               {Qt::Key_0, kNone, 48},
               {Qt::Key_1, kNone, 49},
               {Qt::Key_9, kNone, 57},
               {Qt::Key_Period, kNone, 0},
               {Qt::Key_A, kNone, 65},
               {Qt::Key_Z, kNone, 90},
               {Qt::Key_A, Qt::ShiftModifier, 65},
               {Qt::Key_Escape, kNone, 27},
               {Qt::Key_Space, kNone, 32}});
}

TEST(KeyCodes, ReadsTheKeyEvent) {
  QKeyEvent keypadOne(QEvent::KeyPress, Qt::Key_1, Qt::KeypadModifier, QStringLiteral("1"));
  QKeyEvent digitOne(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
  QKeyEvent keypadEnd(QEvent::KeyPress, Qt::Key_End, Qt::KeypadModifier);
  EXPECT_EQ(virtualKeyCode(keypadOne), 97);
  EXPECT_EQ(virtualKeyCode(digitOne), 49);
  EXPECT_EQ(virtualKeyCode(keypadEnd), 97);
  EXPECT_TRUE(velmora::ui::isModifierKey(Qt::Key_Alt));
  EXPECT_FALSE(velmora::ui::isModifierKey(Qt::Key_A));
}

}  // namespace
