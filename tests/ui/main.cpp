// The window tests need one QApplication for the whole process; they run on
// the offscreen platform unless another one is asked for.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Recent files and remembered choices go to a settings folder of the tests' own.
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
  QApplication app(argc, argv);
  // A test closes windows without ending the process: closing the last one
  // must not quit the application (that would end every later event loop).
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setOrganizationName(QStringLiteral("LamveroTests"));
  // Tests of other things run without the background accuracy estimate after
  // each run; the tests of the estimate switch it on.
  QSettings().setValue(QStringLiteral("Genauigkeit/Automatisch"), false);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
