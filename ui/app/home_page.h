#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace velmora::ui {

// The game's own page, installed with the program until the game has a public one.
inline constexpr const char* kHomePageFile = "velmora.html";

// The folders a program in `programDir` looks in for its page, in order: its own folder (the
// build folder, a folder made by `cmake --install`), share/games/velmora beside it (the Debian
// layout: /usr/games/velmora reads /usr/share/games/velmora), then games/velmora under each of
// `dataDirs` (the desktop's data folders, for other prefixes).
QStringList homePageFolders(const QString& programDir, const QStringList& dataDirs);

// The first copy of the page in those folders; empty when there is none.
QString findHomePage(const QString& programDir, const QStringList& dataDirs);

// The game's home page, opened by 作者ホームページ(&P). The one place its address is kept.
// Empty when no copy is found beside this program.
QUrl homePageUrl();

// What the menu item says instead when homePageUrl() is empty: where the page comes from.
QString homePageMissingText();

// What it says when the desktop could not open the page (no browser or launcher): where the
// page is, so that the player can open it by hand.
QString homePageFailedText(const QUrl& url);

}  // namespace velmora::ui
