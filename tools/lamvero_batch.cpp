// lamvero-batch: one complete run without a window. Starts from the default
// texts of the input boxes (or those of a case file), replaces those given on
// the command line, runs the simulation and prints what the window would show.
// Optionally writes the run as JSON, its time series as CSV, the window's
// picture as PNG and the case with its run as a case file.

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "files/casefile.h"
#include "files/csvexport.h"
#include "run/display.h"
#include "run/dryingrun.h"
#include "inputs/inputcheck.h"
#include "inputs/inputs.h"
#include "inputs/plausibility.h"
#include "text/numberformat.h"
#include "run/runstate.h"
#include "tools/batchdisplay.h"
#include "tools/batchreport.h"
#include "tools/casefileoptions.h"
#include "tools/exitstatus.h"
#include "tools/studyoptions.h"
#include "tools/fieldnames.h"
#include "tools/jsonoutput.h"
#include "ui/shell/casefiles.h"
#include "present/controltable.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/qtdisplay.h"
#include "present/resultrows.h"

namespace lamvero {
namespace {


// The visible result rows of the left column, top to bottom, as "caption: text";
// a warning label without a box stands alone.
void PrintRows(const RunRecord& record) {
  for (const ResultRow& row : VisibleResultRows(record)) {
    if (row.warning) {
      std::cout << row.caption << "\n";
    } else {
      std::cout << row.caption << ": " << row.text << "\n";
    }
  }
  if (FrontWarningShown(record)) std::cout << kFrontWarningNote << "\n";
}

// A standard stream that was closed when the program started is opened on
// /dev/null, so that no file opened later takes its number (and the results
// meant for stdout land in it); false when it was closed.
bool KeepOpen(int fd) {
  if (::fcntl(fd, F_GETFD) != -1) return true;
  const int devNull = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
  if (devNull >= 0 && devNull != fd) {
    ::dup2(devNull, fd);
    ::close(devNull);
  }
  return false;
}

// Everything written to stdout has reached it.
bool StdoutWritten(bool wasOpen) {
  std::cout.flush();
  const bool flushed = std::fflush(stdout) == 0;
  return wasOpen && flushed && static_cast<bool>(std::cout) && !std::ferror(stdout);
}

// The status after --help or --version: 0, or 1 when the text was lost.
int HelpWritten(bool stdoutOpen) {
  if (StdoutWritten(stdoutOpen)) return kExitCompleted;
  std::cerr << "lamvero-batch: die Ausgabe auf stdout ließ sich nicht schreiben.\n";
  return kExitFileError;
}

int Run(int argc, char** argv) {
  KeepOpen(STDIN_FILENO);
  const bool stdoutOpen = KeepOpen(STDOUT_FILENO);
  KeepOpen(STDERR_FILENO);

  CLI::App app{
      "lamvero-batch: rechnet einen vollständigen Trocknungslauf ohne Fenster. Ausgangspunkt sind die\n"
      "Vorgabetexte der 18 Eingabefelder; jedes Argument txt_Name=TEXT ersetzt einen davon, genau wie\n"
      "eingetippt (z. B. txt_Dicke=25,5). Ausgegeben werden die sichtbaren Ergebniszeilen des Fensters\n"
      "als \"Beschriftung: Text\" in Fensterreihenfolge.",
      "lamvero-batch"};
  app.footer(
      "Eingabefelder:\n" + FieldListing() +
      "Werte außerhalb des üblichen Bereichs werden gerechnet, aber mit einer Warnung auf stderr\n"
      "(und unter \"warnings\" im JSON).\n\n"
      "Rückgabewert: 0 vollständiger Lauf; 2 Bedienfehler (unbekannte Option oder unbekanntes Feld, mit\n"
      "Gebrauchshinweis; leerer oder doppelter Ausgabepfad; fehlerhafte Falldatei bei --inputs) oder\n"
      "abgelehnte Eingabe (jede Beanstandung auf stderr, mit dem Feld); 3 Lauf musste anhalten (Zeitreihen\n"
      "voll oder keine endlichen Werte; Grund auf stderr); 1 eine Ausgabe ließ sich nicht schreiben (eine\n"
      "Ausgabedatei oder stdout; jeder Ausgabepfad wird vor dem Lauf geprüft). Musste der Lauf anhalten\n"
      "und ließ sich zudem eine Ausgabe nicht schreiben, bleibt es bei 3; stderr nennt beides. Eine Studie endet\n"
      "mit 3, wenn ein Fall nicht vollständig gerechnet wurde (Spalte outcome).");
  app.set_version_flag("--version", std::string("lamvero-batch ") + LAMVERO_VERSION);
  bool json = false;
  std::string seriesPath, pngPath, reportPath;
  std::vector<std::string> assignments;
  app.add_flag("--json", json,
               "statt der Zeilen ein JSON-Objekt: outcome, messages, fields, scalars, inputs, warnings, results "
               "(abgelehnt: outcome, messages, problems, inputs, warnings)");
  app.add_option("--series", seriesPath, "die 11 Zeitreihen nach der Auswertung als CSV-Datei; - schreibt sie auf stdout");
  app.add_option("--png", pngPath, "das ganze Fenster nach dem Lauf als PNG-Bild (ohne Bildschirm)");
  CaseFileOptions caseOptions;
  caseOptions.registerWith(app);
  app.add_option("--report", reportPath, "der Bericht des Laufs als PDF-Datei (A4, mit beiden Diagrammen)");
  app.add_option("inputs", assignments, "Eingaben txt_Name=TEXT");
  StudyOptions study;
  AddStudyOptions(app, study);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    app.exit(e);
    return HelpWritten(stdoutOpen);
  } catch (const CLI::CallForVersion& e) {
    app.exit(e);
    return HelpWritten(stdoutOpen);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kExitUsageOrRefused;
  }

  const auto usage = [&](const std::string& message) {
    std::cerr << "lamvero-batch: " << message << "\n" << app.help();
    return kExitUsageOrRefused;
  };
  const bool seriesToStdout = app.count("--series") > 0 && seriesPath == "-";
  if (caseOptions.withSeries && app.count("--save") == 0) return usage("--with-series gilt nur zusammen mit --save.");
  if (((app.count("--csv-dialect") > 0 && !StudyRequested(study)) || app.count("--every") > 0) &&
      app.count("--series") == 0) {
    return usage("--csv-dialect gilt nur zusammen mit --series oder einer Studie, --every nur mit --series.");
  }
  if (seriesToStdout && json) return usage("--series - und --json schreiben beide auf stdout.");

  InputTexts inputs = InputTexts::Defaults();
  std::optional<CaseFile> caseFile;
  if (app.count("--inputs") > 0) {
    std::string error;
    caseFile = LoadCaseInputs(caseOptions.inputsPath, error);
    if (!caseFile) {
      std::cerr << "lamvero-batch: --inputs: " << error << "\n";
      return kExitUsageOrRefused;
    }
    inputs = caseFile->inputs;
  }
  for (const std::string& a : assignments) {
    const std::size_t eq = a.find('=');
    const std::string name = a.substr(0, eq);
    if (eq == std::string::npos || !inputs.set(name, a.substr(eq + 1))) {
      std::cerr << "lamvero-batch: unbekanntes Eingabefeld in \"" << a << "\"";
      const std::string suggestion = SuggestField(name);
      if (!suggestion.empty()) std::cerr << "; gemeint ist wohl " << suggestion;
      std::cerr << ". Erwartet txt_Name=TEXT mit einem von:";
      for (const InputField& f : InputFields()) std::cerr << " " << f.box;
      std::cerr << "\n" << app.help();
      return kExitUsageOrRefused;
    }
  }

  const std::string stray = StrayStudyOption(app, study);
  if (!stray.empty()) {
    std::cerr << "lamvero-batch: " << stray << " gilt nur für eine Studie (--vary, --cases, --refine)\n";
    return kExitUsageOrRefused;
  }
  if (StudyRequested(study)) {
    std::vector<std::string> singleRunOutputs;
    for (const char* option : {"--json", "--series", "--png", "--report", "--save", "--with-series", "--every"}) {
      if (app.count(option) > 0) singleRunOutputs.push_back(option);
    }
    return RunStudyCommand(study, inputs, caseOptions.dialect(), singleRunOutputs);
  }

  std::vector<OutputPath> outputs;
  if (app.count("--series") > 0) outputs.push_back({"--series", seriesPath});
  if (app.count("--png") > 0) outputs.push_back({"--png", pngPath});
  if (app.count("--save") > 0) outputs.push_back({"--save", caseOptions.savePath});
  if (app.count("--report") > 0) {
    // A PDF is no stream for a terminal or a pipe.
    if (reportPath == "-") return usage("--report: der Bericht geht nur in eine Datei, nicht auf stdout.");
    outputs.push_back({"--report", reportPath});
  }
  if (const std::optional<OutputProblem> problem = CheckOutputPaths(outputs)) {
    if (problem->usage) return usage(problem->message);
    std::cerr << "lamvero-batch: " << problem->message << "\n";
    return kExitFileError;
  }

  const std::vector<InputWarning> warnings = FindUnusualInputs(inputs);
  for (const InputWarning& w : warnings) std::cerr << "lamvero-batch: Warnung: " << w.text << "\n";

  const std::vector<InputProblem> problems = FindInputProblems(inputs);
  if (!problems.empty()) {
    for (const InputProblem& p : problems) std::cerr << "Eingabe abgelehnt: " << p.text << "\n";
    if (json) std::cout << RefusedJson(problems, inputs, warnings);
    if (!StdoutWritten(stdoutOpen)) std::cerr << "lamvero-batch: die Ausgabe auf stdout ließ sich nicht schreiben.\n";
    return kExitUsageOrRefused;
  }

  // The window exists only for the picture, the application also for the
  // report's fonts: without them no windowing system is needed.
  std::unique_ptr<QApplication> qapp;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<RunState> ownState;
  if (!pngPath.empty() || app.count("--report") > 0) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qargc = 1;
    static char* qargv[] = {argv[0], nullptr};
    qapp = std::make_unique<QApplication>(qargc, qargv);
  }
  if (!pngPath.empty()) {
    window = std::make_unique<MainWindow>();
    window->setInputs(inputs);
    window->show();
    // As Start does: no input box keeps the keyboard focus during the run.
    if (QWidget* sink = window->findChild<QWidget*>("txt_parkfocus")) sink->setFocus();
  } else {
    ownState = std::make_unique<RunState>();
  }
  RunState& s = window ? window->runState() : *ownState;

  BatchDisplay display(s, window ? &window->display() : nullptr, isatty(STDERR_FILENO) == 1);
  RunOptions options;
  options.controlsAtOpen = ControlAtOpen;
  const RunResult result = RunSimulation(s, inputs, display, options);
  display.endProgress();

  if (json) {
    std::cout << RunJson(s.record, display.profileCurves(), warnings);
  } else if (!seriesToStdout) {  // then stdout holds the table alone
    PrintRows(s.record);
  }
  // A run that had to stop keeps its status; a lost output is reported beside it.
  int status = result.outcome == RunOutcome::Completed ? kExitCompleted : kExitStopped;
  auto fileError = [&status](const std::string& message) {
    std::cerr << "lamvero-batch: " << message << "\n";
    if (status == kExitCompleted) status = kExitFileError;
  };
  for (const std::string& m : result.messages) std::cerr << "lamvero-batch: " << m << "\n";
  if (seriesToStdout) {
    const bool written = WriteSeriesCsv(s.record.series, caseOptions.dialect(), caseOptions.every,
                                        [](std::string_view piece) {
                                          std::cout.write(piece.data(), static_cast<std::streamsize>(piece.size()));
                                          return static_cast<bool>(std::cout);
                                        }) &&
                         std::cout.flush();
    if (!written) fileError("die Zeitreihen können nicht auf stdout geschrieben werden.");
  } else if (app.count("--series") > 0) {
    const QString error =
        SaveSeriesCsv(QString::fromStdString(seriesPath), s.record.series, caseOptions.dialect(), caseOptions.every);
    if (!error.isEmpty()) fileError(error.toStdString());
  }
  if (app.count("--save") > 0) {
    CaseFile saved;
    if (caseFile) saved = *caseFile;  // title and comment stay
    saved.inputs = inputs;
    saved.run = CaseRunOf(s.record, RunDateNow(), ProgramName().toStdString());
    const QString error = SaveCaseFile(QString::fromStdString(caseOptions.savePath), saved, caseOptions.withSeries);
    if (!error.isEmpty()) fileError(error.toStdString());
  }
  std::string why;
  if (app.count("--report") > 0 &&
      !WriteReport(s.record, reportPath, caseFile ? caseFile->title : "", caseOptions.inputsPath, &why)) {
    fileError(why);
  }
  if (!StdoutWritten(stdoutOpen)) fileError("die Ausgabe auf stdout ließ sich nicht schreiben.");
  if (window) {
    if (auto* qt = dynamic_cast<QtDisplay*>(&window->display())) qt->flush();  // the last values on screen
    if (!window->grab().save(QString::fromStdString(pngPath), "PNG")) {
      fileError("das Bild " + pngPath + " kann nicht geschrieben werden.");
    }
  }
  return status;
}

}  // namespace
}  // namespace lamvero

int main(int argc, char** argv) { return lamvero::Run(argc, argv); }
