#include "ui/home_page.h"

#include <QCoreApplication>
#include <QDir>

namespace velmora::ui {

namespace {

// Empty while the game has no public page.
constexpr const char* kPublicHomePage = "";

}  // namespace

QUrl homePageUrl() {
  if (*kPublicHomePage != '\0') return QUrl(QString::fromUtf8(kPublicHomePage));
  return QUrl::fromLocalFile(QDir(QCoreApplication::applicationDirPath()).filePath("README.md"));
}

}  // namespace velmora::ui
