// Velmora, the desktop game.
#include <QApplication>

#include "ui/app_setup.h"
#include "ui/game_app.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  velmora::ui::setUpApplication(app);
  velmora::ui::GameApp game;
  game.start();
  return app.exec();
}
