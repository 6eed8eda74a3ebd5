// Lamvero: opens the program window; every run starts from its Start button.

#include <QApplication>

#include "ui/appwindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lamvero"));
  // Ties the window to the installed desktop entry (its icon in task bars).
  QGuiApplication::setDesktopFileName(QStringLiteral("lamvero"));
  lamvero::AppWindow window;
  window.show();
  return QApplication::exec();
}
