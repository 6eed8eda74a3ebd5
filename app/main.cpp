// Lamvero: opens the main window; every run starts from its Start button.

#include <QApplication>

#include "ui/mainwindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lamvero"));
  lamvero::MainWindow window;
  window.show();
  return QApplication::exec();
}
