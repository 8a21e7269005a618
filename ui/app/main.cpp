// Velmora, the desktop game.
#include <QApplication>
#include <cstdio>

#include "ui/app/app_setup.h"
#include "ui/app/command_line.h"
#include "ui/app/game_app.h"

int main(int argc, char** argv) {
  // --help and --version need no display: answered before QApplication connects to one.
  if (const int status = velmora::ui::answerCommandLine(argc, argv, stdout, stderr); status >= 0) {
    return status;
  }
  QApplication app(argc, argv);
  velmora::ui::setUpApplication(app);
  velmora::ui::GameApp game;
  game.start();
  return app.exec();
}
