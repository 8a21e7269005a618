#include <gtest/gtest.h>

#include <QLabel>

// The offscreen platform renders Japanese text into a widget of non-zero size.
TEST(UiSmoke, JapaneseLabelHasASize) {
  QLabel label(QString::fromUtf8("1年目の春"));
  label.adjustSize();
  EXPECT_GT(label.width(), 20);
}
