#include "ui/app/app_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QSvgRenderer>
#include <QTranslator>
#include <QWidget>

namespace velmora::ui {

QIcon gameIcon() {
  // Drawn here rather than left to Qt's SVG icon engine, a plug-in that may be missing.
  QSvgRenderer svg(QStringLiteral(":/assets/velmora.svg"));
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    svg.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QFont gameFont() {
  // Asked for by name; fontconfig's choice of another CJK font is the fallback.
  QFont font(QStringList{QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAexGothic"),
                         QStringLiteral("IPAGothic")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  return font;
}

void useGameFont(QWidget* window) { window->setFont(gameFont()); }

void setUpApplication(QApplication& app) {
  app.setApplicationName(QStringLiteral("Velmora"));
  // Under Wayland this is the app_id; under X11 the class part of WM_CLASS stays "Velmora".
  QGuiApplication::setDesktopFileName(QLatin1String(kDesktopFileName));
  QApplication::setWindowIcon(gameIcon());
  app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  // Qt's own Japanese translation gives the standard buttons their Japanese names.
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }

  QApplication::setFont(gameFont());
}

}  // namespace velmora::ui
