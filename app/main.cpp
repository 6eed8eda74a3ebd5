// Lamvero: opens the program window, with a case file if one is named on the
// command line; every run starts from its Start button.

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "ui/shell/appwindow.h"
#include "ui/shell/languagechoice.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lamvero"));
  // Ties the window to the installed desktop entry (its icon in task bars).
  QGuiApplication::setDesktopFileName(QStringLiteral("lamvero"));
  QApplication::setOrganizationName(QStringLiteral("Lamvero"));
  // The language chosen under Ansicht ▸ Sprache, else the system's.
  lamvero::StartLanguage(lamvero::WindowLanguage());

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Trocknung einer Platte aus Ziegelton: Rechner mit Fenster."));
  parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("datei"), QStringLiteral("eine Rechnung (NAME.lamvero), die geöffnet wird"),
                               QStringLiteral("[datei]"));
  if (!parser.parse(QApplication::arguments())) {
    std::fprintf(stderr, "lamvero: %s\n%s", qPrintable(parser.errorText()), qPrintable(parser.helpText()));
    return 2;
  }
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    std::fprintf(stderr, "lamvero: nur eine Datei kann geöffnet werden, nicht %d.\n%s", static_cast<int>(files.size()),
                 qPrintable(parser.helpText()));
    return 2;
  }

  lamvero::AppWindow window;
  window.show();
  if (!files.isEmpty()) window.openAtStart(files.front());
  return QApplication::exec();
}
