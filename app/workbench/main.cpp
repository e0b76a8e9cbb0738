// The desktop program: the naming workbench and the windows it opens.
#include <QApplication>
#include <QFont>

#include "app/workbench/main_window.h"
#include "app/workbench/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  mirevo::StartUp(app);
  mirevo::TFrmZiveda window;
  window.show();
  return app.exec();
}
