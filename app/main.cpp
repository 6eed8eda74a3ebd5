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
  parser.setApplicationDescription(
      QCoreApplication::translate("main", "Trocknung einer Platte aus Ziegelton: Rechner mit Fenster."));
  parser.addHelpOption();
  parser.addPositionalArgument(QCoreApplication::translate("main", "datei"),
                               QCoreApplication::translate("main", "eine Rechnung (NAME.lamvero), die geöffnet wird"),
                               QCoreApplication::translate("main", "[datei]"));
  if (!parser.parse(QApplication::arguments())) {
    std::fprintf(stderr, "lamvero: %s\n%s", qPrintable(parser.errorText()), qPrintable(parser.helpText()));
    return 2;
  }
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    const QString error =
        QCoreApplication::translate("main", "nur eine Datei kann geöffnet werden, nicht %1.").arg(files.size());
    std::fprintf(stderr, "lamvero: %s\n%s", qPrintable(error), qPrintable(parser.helpText()));
    return 2;
  }

  lamvero::AppWindow window;
  window.show();
  if (!files.isEmpty()) window.openAtStart(files.front());
  return QApplication::exec();
}
