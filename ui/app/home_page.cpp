#include "ui/app/home_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmora::ui {

namespace {

// Empty while the game has no public page.
constexpr const char* kPublicHomePage = "";

QStringList installedDataDirs() {
  return QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
}

}  // namespace

QStringList homePageFolders(const QString& programDir, const QStringList& dataDirs) {
  const QDir program(programDir);
  QStringList folders{program.absolutePath(),
                      QDir::cleanPath(program.absoluteFilePath("../share/games/velmora"))};
  for (const QString& data : dataDirs) {
    const QString folder = QDir::cleanPath(QDir(data).absoluteFilePath("games/velmora"));
    if (!folders.contains(folder)) folders << folder;
  }
  return folders;
}

QString findHomePage(const QString& programDir, const QStringList& dataDirs) {
  for (const QString& folder : homePageFolders(programDir, dataDirs)) {
    const QFileInfo page(QDir(folder).filePath(QLatin1String(kHomePageFile)));
    if (page.isFile() && page.isReadable()) return page.absoluteFilePath();
  }
  return {};
}

QUrl homePageUrl() {
  if (*kPublicHomePage != '\0') return QUrl(QString::fromUtf8(kPublicHomePage));
  const QString page = findHomePage(QCoreApplication::applicationDirPath(), installedDataDirs());
  if (page.isEmpty()) return {};
  return QUrl::fromLocalFile(page);
}

QString homePageMissingText() {
  const QStringList folders =
      homePageFolders(QCoreApplication::applicationDirPath(), installedDataDirs());
  // In the game's language, like every other box.
  return QString::fromUtf8(
             "ゲームのページ %1 が見つかりません。ゲームといっしょに入るもので、次のフォルダを"
             "探しました:\n%2\n\nソースでは assets/%1 にあります。")
      .arg(QLatin1String(kHomePageFile), folders.join(QLatin1Char('\n')));
}

QString homePageFailedText(const QUrl& url) {
  const QString where =
      url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
  return QString::fromUtf8("ゲームのページを開けませんでした。ブラウザで開いてください:\n%1")
      .arg(where);
}

}  // namespace velmora::ui
