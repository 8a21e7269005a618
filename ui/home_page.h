#pragma once

#include <QUrl>

namespace velmora::ui {

// The game's home page, opened by 作者ホームページ(&P). The one place its address is kept:
// until the game has a public page, the README installed beside the program stands in.
QUrl homePageUrl();

}  // namespace velmora::ui
