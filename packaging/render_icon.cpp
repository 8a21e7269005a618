// Renders the game's SVG icon into PNG files of the given sizes, at build time, so that the
// bitmaps the desktop's icon theme asks for always match the drawing.
//   velmora_render_icon ICON.svg OUTPUT_DIR SIZE...   writes OUTPUT_DIR/SIZE.png
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s ICON.svg OUTPUT_DIR SIZE...\n", argv[0]);
    return 2;
  }
  // The icon is shapes only: no text, so no fonts and no application object (nor display).
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "%s: not a readable SVG\n", argv[1]);
    return 1;
  }
  const QDir out(QString::fromLocal8Bit(argv[2]));
  for (int i = 3; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size <= 0) {
      std::fprintf(stderr, "%s: not a size\n", argv[i]);
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    const QString file = out.filePath(QStringLiteral("%1.png").arg(size));
    if (!image.save(file, "PNG")) {
      std::fprintf(stderr, "%s: cannot write\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
