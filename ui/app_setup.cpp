#include "ui/app_setup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

namespace velmora::ui {

void setUpApplication(QApplication& app) {
  app.setApplicationName(QStringLiteral("Velmora"));
  app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  // Qt's own Japanese translation gives the standard buttons their Japanese names.
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }

  // Ask for the Japanese font by name; fontconfig's choice of another CJK font is the fallback.
  QFont font(QStringList{QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAexGothic"),
                         QStringLiteral("IPAGothic")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  QApplication::setFont(font);
}

}  // namespace velmora::ui
