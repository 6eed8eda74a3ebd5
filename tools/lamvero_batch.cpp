// lamvero-batch: one complete run without a window. Starts from the default
// texts of the input boxes (or those of a case file), replaces those given on
// the command line, runs the simulation and prints what the window would show.
// Optionally writes the run as JSON, its time series as CSV, the window's
// picture as PNG and the case with its run as a case file.

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

#include "model/casefile.h"
#include "model/csvexport.h"
#include "model/display.h"
#include "model/dryingrun.h"
#include "model/inputs.h"
#include "model/numberformat.h"
#include "model/runstate.h"
#include "tools/batchreport.h"
#include "tools/casefileoptions.h"
#include "tools/exitstatus.h"
#include "tools/studyoptions.h"
#include "ui/casefiles.h"
#include "ui/controltable.h"
#include "ui/mainwindow.h"
#include "ui/qtdisplay.h"
#include "ui/resultrows.h"

namespace lamvero {
namespace {

// A number with 17 significant digits and a decimal point, whatever the
// locale: enough to read back every double exactly.
std::string Number17(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
  return std::string(buffer, result.ptr);
}

std::string JsonNumber(double value) { return std::isfinite(value) ? Number17(value) : "null"; }

std::string JsonString(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// The headless display: counts the profile curves and passes every call on
// to a window if one is given. While stderr is a terminal it shows the run's
// progress there.
class RecordingDisplay : public Display {
 public:
  RecordingDisplay(const RunState& s, Display* window, bool progress)
      : s_(s), window_(window), progress_(progress) {}

  // Clears the progress line, so that the results stand on a clean terminal.
  void endProgress() {
    if (shown_) std::fputs("\r\033[K", stderr);
    shown_ = false;
  }

  int profileCurves() const { return profileCurves_; }

  void setText(const char* control, const std::string& text) override {
    if (window_) window_->setText(control, text);
  }
  void setVisible(const char* control, bool visible) override {
    if (window_) window_->setVisible(control, visible);
  }
  void setColor(const char* control, Rgb color) override {
    if (window_) window_->setColor(control, color);
  }
  void repaint(const char* control) override {
    if (window_) window_->repaint(control);
  }
  void repaintWindow() override {
    if (window_) window_->repaintWindow();
  }
  void fillWhite(Area area, double x1, double y1, double x2, double y2) override {
    if (window_) window_->fillWhite(area, x1, y1, x2, y2);
  }
  void drawShrinkageScale(const RunState& s) override {
    if (window_) window_->drawShrinkageScale(s);
  }
  void drawProfile(const RunState& s, CurveStyle style) override {
    ++profileCurves_;
    if (window_) window_->drawProfile(s, style);
  }
  void drawResultPlots(const RunState& s) override {
    if (window_) window_->drawResultPlots(s);
  }
  void refresh(Area area) override {
    if (window_) window_->refresh(area);
  }
  void yield() override {
    // A clock read costs more than many steps of a small grid: look at it
    // only every few thousand steps, and write at most ten times a second.
    if (progress_ && ++yields_ % 4096 == 0) {
      const auto now = std::chrono::steady_clock::now();
      if (now - lastShown_ >= std::chrono::milliseconds(100)) {
        lastShown_ = now;
        showProgress();
      }
    }
    if (window_) window_->yield();
  }

 private:
  void showProgress() {
    // Short enough for one line of a narrow terminal, or \r could not overwrite it.
    std::string line = "\r\033[Klamvero-batch" + FormatDuration(std::floor(s_.now.Zeit + 0.5)) + "  xmom " +
                       Format(s_.now.xmom, "#0.0000") + " kg/kg";
    if (s_.now.sSpiegel > 0) {
      line += "  Spiegel " + Format(1000 * s_.now.sSpiegel, "#0.00") + "/" +
              Format(1000 * s_.run.DickeTr / 2, "#0.00") + " mm";
    }
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    shown_ = true;
  }

  const RunState& s_;
  Display* window_;
  bool progress_;
  int profileCurves_ = 0;
  long long yields_ = 0;
  std::chrono::steady_clock::time_point lastShown_{};
  bool shown_ = false;
};

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

const char* OutcomeName(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::Completed: return "Completed";
    case RunOutcome::Refused: return "Refused";
    case RunOutcome::Stopped: return "Stopped";
    case RunOutcome::SeriesFull: return "SeriesFull";
    case RunOutcome::Failed: return "Failed";
  }
  return "";
}

void PrintJson(const RunRecord& record, int profileCurves) {
  std::string out = "{\"outcome\":" + JsonString(OutcomeName(record.outcome)) + ",\"messages\":[";
  for (std::size_t i = 0; i < record.messages.size(); ++i) {
    out += (i ? "," : "") + JsonString(record.messages[i]);
  }
  out += "],\"fields\":{";
  bool first = true;
  for (const auto& [name, state] : record.controls) {
    if (name.rfind("txt_", 0) != 0 && name.rfind("lbl_", 0) != 0) continue;
    out += (first ? "" : ",") + JsonString(name) + ":{\"text\":" + JsonString(state.text) +
           ",\"visible\":" + (state.visible ? "true" : "false") + ",\"color\":[" + std::to_string(state.color.r) +
           "," + std::to_string(state.color.g) + "," + std::to_string(state.color.b) + "]}";
    first = false;
  }
  const RunResults& r = record.results;
  const std::vector<std::pair<const char*, std::string>> scalars = {
      {"Zeit", JsonNumber(r.Zeit)},
      {"nReihe", std::to_string(record.series.nReihe)},
      {"nReihe1TA", std::to_string(record.series.nReihe1TA)},
      {"Dauer1TA", JsonNumber(r.Dauer1TA)},
      {"X1TA", JsonNumber(r.X1TA)},
      {"t1xse", JsonNumber(r.t1xse)},
      {"t2xse", JsonNumber(r.t2xse)},
      {"DauerGegenstrom", JsonNumber(r.DauerGegenstrom)},  // null unless this run switched
      {"ThetaZuluft", JsonNumber(r.ThetaZuluft)},
      {"spezEnergie", JsonNumber(r.spezEnergie)},
      {"relEnergie", JsonNumber(r.relEnergie)},
      {"WasserfehlerProzent", JsonNumber(r.WasserfehlerProzent)},
      {"WasserdampfMax", JsonNumber(r.WasserdampfMax)},
      {"nGlatt", std::to_string(r.nGlatt)},
      {"XEnde", JsonNumber(r.XEnde)},
      {"XBilanz", JsonNumber(r.XBilanz)},
      {"nIter", std::to_string(r.nIter)},
      {"schwindgrad", JsonNumber(r.schwindgrad)},
      {"ThetaK", JsonNumber(r.ThetaK)},
      {"profileCurves", std::to_string(profileCurves)},
  };
  out += "},\"scalars\":{";
  for (std::size_t i = 0; i < scalars.size(); ++i) {
    out += (i ? "," : "") + JsonString(scalars[i].first) + ":" + scalars[i].second;
  }
  out += "}}\n";
  std::cout << out;
}

int Run(int argc, char** argv) {
  CLI::App app{
      "lamvero-batch: rechnet einen vollständigen Trocknungslauf ohne Fenster. Ausgangspunkt sind die\n"
      "Vorgabetexte der 18 Eingabefelder; jedes Argument txt_Name=TEXT ersetzt einen davon, genau wie\n"
      "eingetippt (z. B. txt_Dicke=25,5). Ausgegeben werden die sichtbaren Ergebniszeilen des Fensters\n"
      "als \"Beschriftung: Text\" in Fensterreihenfolge.",
      "lamvero-batch"};
  app.footer(
      "Rückgabewert: 0 vollständiger Lauf; 2 Bedienfehler (unbekannte Option oder unbekanntes Feld, mit\n"
      "Gebrauchshinweis) oder abgelehnte Eingabe (jede Beanstandung auf stderr, mit dem Feld); 3 Lauf\n"
      "musste anhalten (Zeitreihen voll oder keine endlichen Werte mehr; Grund auf stderr); 1 eine\n"
      "Ausgabedatei ließ sich nicht schreiben (jeder Ausgabepfad wird vor dem Lauf geprüft). Eine\n"
      "fehlerhafte Falldatei bei --inputs ist ein Bedienfehler (2). Eine Studie endet mit 3, wenn ein\n"
      "Fall nicht vollständig gerechnet wurde (Spalte outcome).");
  bool json = false;
  std::string seriesPath, pngPath, reportPath;
  std::vector<std::string> assignments;
  app.add_flag("--json", json, "statt der Zeilen ein JSON-Objekt: fields, scalars, outcome, messages");
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
    return app.exit(e);
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
    if (eq == std::string::npos || !inputs.set(a.substr(0, eq), a.substr(eq + 1))) {
      std::cerr << "lamvero-batch: unbekanntes Eingabefeld in \"" << a << "\"; erwartet txt_Name=TEXT mit einem von:";
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

  RecordingDisplay display(s, window ? &window->display() : nullptr, isatty(STDERR_FILENO) == 1);
  RunOptions options;
  options.controlsAtOpen = ControlAtOpen;
  const RunResult result = RunSimulation(s, inputs, display, options);
  display.endProgress();
  if (result.outcome == RunOutcome::Refused) {
    for (const std::string& m : result.messages) std::cerr << "Eingabe abgelehnt: " << m << "\n";
    return kExitUsageOrRefused;
  }

  if (json) {
    PrintJson(s.record, display.profileCurves());
  } else if (!seriesToStdout) {  // then stdout holds the table alone
    PrintRows(s.record);
  }
  int status = result.outcome == RunOutcome::Completed ? kExitCompleted : kExitStopped;
  for (const std::string& m : result.messages) std::cerr << "lamvero-batch: " << m << "\n";
  if (seriesToStdout) {
    const bool written = WriteSeriesCsv(s.record.series, caseOptions.dialect(), caseOptions.every,
                                        [](std::string_view piece) {
                                          std::cout.write(piece.data(), static_cast<std::streamsize>(piece.size()));
                                          return static_cast<bool>(std::cout);
                                        }) &&
                         std::cout.flush();
    if (!written) {
      std::cerr << "lamvero-batch: die Zeitreihen können nicht auf stdout geschrieben werden.\n";
      status = kExitFileError;
    }
  } else if (app.count("--series") > 0) {
    const QString error =
        SaveSeriesCsv(QString::fromStdString(seriesPath), s.record.series, caseOptions.dialect(), caseOptions.every);
    if (!error.isEmpty()) {
      std::cerr << "lamvero-batch: " << error.toStdString() << "\n";
      status = kExitFileError;
    }
  }
  if (app.count("--save") > 0) {
    CaseFile saved;
    if (caseFile) saved = *caseFile;  // title and comment stay
    saved.inputs = inputs;
    saved.run = CaseRunOf(s.record, RunDateNow(), ProgramName().toStdString());
    const QString error = SaveCaseFile(QString::fromStdString(caseOptions.savePath), saved, caseOptions.withSeries);
    if (!error.isEmpty()) {
      std::cerr << "lamvero-batch: " << error.toStdString() << "\n";
      status = kExitFileError;
    }
  }
  std::string why;
  if (app.count("--report") > 0 &&
      !WriteReport(s.record, reportPath, caseFile ? caseFile->title : "", caseOptions.inputsPath, &why)) {
    std::cerr << "lamvero-batch: " << why << "\n";
    status = kExitFileError;
  }
  if (window) {
    if (auto* qt = dynamic_cast<QtDisplay*>(&window->display())) qt->flush();  // the last values on screen
    if (!window->grab().save(QString::fromStdString(pngPath), "PNG")) {
      std::cerr << "lamvero-batch: das Bild " << pngPath << " kann nicht geschrieben werden.\n";
      status = kExitFileError;
    }
  }
  return status;
}

}  // namespace
}  // namespace lamvero

int main(int argc, char** argv) { return lamvero::Run(argc, argv); }
