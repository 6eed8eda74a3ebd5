// lamvero-batch: one complete run without a window. Starts from the default
// texts of the input boxes (or those of a case file), replaces those given on
// the command line, runs the simulation and prints what the window would show.
// Optionally writes the run as JSON, its time series as CSV, the window's
// picture as PNG and the case with its run as a case file.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cerrno>
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
#include "present/displayedrun.h"
#include "run/dryingrun.h"
#include "run/runlimits.h"
#include "inputs/constantair.h"
#include "inputs/inputcheck.h"
#include "inputs/inputs.h"
#include "inputs/plausibility.h"
#include "text/language.h"
#include "text/numberformat.h"
#include "run/runstate.h"
#include "run/stepestimate.h"
#include "study/accuracy.h"
#include "study/autosteps.h"
#include "tools/accuracyoptions.h"
#include "tools/accuracyoutput.h"
#include "tools/batchdisplay.h"
#include "tools/batchreport.h"
#include "tools/casefileoptions.h"
#include "text/outcome.h"
#include "text/shownchars.h"
#include "text/trim.h"
#include "tools/exitstatus.h"
#include "tools/fitoptions.h"
#include "tools/studyoptions.h"
#include "tools/fieldnames.h"
#include "tools/helplabels.h"
#include "tools/jsonoutput.h"
#include "tools/optimiseoptions.h"
#include "tools/optimiseoutput.h"
#include "tools/optionerrors.h"
#include "tools/plantoptions.h"
#include "tools/stoponsignal.h"
#include "disk/casefiles.h"
#include "disk/fileerrors.h"
#include "present/controltable.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/qtdisplay.h"
#include "ui/shell/languagechoice.h"
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
  if (FrontWarningShown(record)) std::cout << Tr("Rechnerfenster", kFrontWarningNote) << "\n";
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

// The cause of a failed write to stdout, taken right after the writing
// (errno means something only when the stream has failed).
int StdoutErrno() { return std::ferror(stdout) ? errno : 0; }

// Nothing when everything written to stdout has reached it; otherwise the
// message, with the cause where the user can act on it: that of the last
// flush, or writeErrno (StdoutErrno() after the writing) when the failed
// buffer was written before.
std::optional<std::string> StdoutLost(bool wasOpen, int writeErrno) {
  std::cout.flush();
  errno = 0;
  const bool flushed = std::fflush(stdout) == 0;
  const int code = flushed ? writeErrno : errno;
  if (wasOpen && flushed && static_cast<bool>(std::cout) && !std::ferror(stdout)) return std::nullopt;
  return Tr("lamvero-batch", "die Ausgabe auf stdout ließ sich nicht schreiben") + FileErrorSuffix(wasOpen ? code : 0) + ".";
}

// The status after --help or --version: 0, or 1 when the text was lost.
int HelpWritten(bool stdoutOpen) {
  const std::optional<std::string> lost = StdoutLost(stdoutOpen, StdoutErrno());
  if (!lost) return kExitCompleted;
  std::cerr << "lamvero-batch: " << *lost << "\n";
  return kExitFileError;
}

// A warning on stderr: the run goes on.
void Warn(const std::string& text) {
  std::cerr << "lamvero-batch: " << Tr("lamvero-batch", "Warnung: ") << text << "\n";
}

// The language --lang names ("--lang en" or "--lang=en"), else the system's.
// The help is made with the options, so the language is read before them; a
// wrong name, or --lang given twice, is left to the option, which refuses it.
Language ChosenLanguage(int argc, char** argv) {
  std::optional<Language> named;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--") break;
    if (arg == "--lang" && i + 1 < argc) named = LanguageNamed(QString::fromLocal8Bit(argv[i + 1]));
    if (arg.rfind("--lang=", 0) == 0) named = LanguageNamed(QString::fromStdString(arg.substr(7)));
  }
  return named.value_or(SystemLanguage());
}

// What the command line asks for.
struct Request {
  std::string language;  // --lang: chosen before the options exist (ChosenLanguage), checked here
  bool json = false;
  bool labTest = false;
  std::string seriesPath, pngPath, reportPath;
  std::vector<std::string> assignments;
  std::string airIntegration = AirIntegrationKey(AirIntegration::Standard);
  CaseFileOptions files;
  StudyOptions study;
  AccuracyRequest accuracy;
  FitOptions fit;
  PlantRequest plant;
  OptimiseRequest optimise;
};

// The help's end: the fields, the warnings and the exit statuses.
std::string HelpFooter() {
  return Filled(Tr("lamvero-batch",
      "Eingabefelder:\n%1"
      "Werte außerhalb des üblichen Bereichs werden gerechnet, aber mit einer Warnung auf stderr\n"
      "(und unter \"warnings\" im JSON).\n\n"
      "Rückgabewert: 0 vollständiger Lauf; 2 Bedienfehler (unbekannte Option oder unbekanntes Feld, mit\n"
      "dem wohl gemeinten Namen; Wert außerhalb des Erlaubten; txt_Name TEXT statt txt_Name=TEXT; leerer\n"
      "oder doppelter Ausgabepfad; fehlerhafte Falldatei bei --inputs oder Studiendatei bei --study; je eine\n"
      "Zeile auf stderr) oder abgelehnte Eingabe (jede Beanstandung auf stderr, mit dem Feld); 3 Lauf musste\n"
      "anhalten (Zeitreihen voll oder keine endlichen Werte; Grund auf stderr); 1 eine Ausgabe ließ sich nicht\n"
      "schreiben (eine Ausgabedatei oder stdout; jeder Ausgabepfad wird vor dem Lauf geprüft). Musste der\n"
      "Lauf anhalten und ließ sich zudem eine Ausgabe nicht schreiben, bleibt es bei 3; stderr nennt beides.\n"
      "Eine Studie endet mit 3, wenn ein Fall nicht vollständig gerechnet wurde (Spalte outcome); --accuracy\n"
      "und --auto-steps enden mit 3, wenn sich die Genauigkeit nicht schätzen bzw. keine Schrittweite wählen\n"
      "ließ (Grund auf stderr).\n"
      "--optimise: 0 Optimum gefunden; 4 kein Punkt hält alle Grenzen ein (die verfehlte Grenze auf stdout);\n"
      "3 kein Lauf wurde zu Ende gerechnet; 2 unbrauchbare Aufgabe (Grund auf stderr); 128 + Signal nach\n"
      "SIGTERM oder SIGINT (der beste Punkt bis dahin wird ausgegeben).\n"
      "SIGTERM oder SIGINT beenden eine Studie geordnet: die geschriebenen Zeilen bleiben, die Ausgabe endet mit\n"
      "einer Marke \"unvollständig\", Rückgabewert 128 + Signal (143 bzw. 130); ein zweites Signal beendet sofort.\n"
      "--merge: 2 für einen abgelehnten Teil (fremde Studie, doppelt, fehlend, abgeschnitten, unvollständig),\n"
      "3 wie die ungeteilte Studie, wenn ein Fall nicht vollständig gerechnet wurde, 1 wenn stdout nicht\n"
      "geschrieben werden kann.\n"
      "--fit: 2 für fehlerhafte Optionen, Messdaten oder Anpassungsaufgabe, 3 wenn kein Lauf der Anpassung\n"
      "vollständig gerechnet wurde, 128 + Signal bei SIGTERM oder SIGINT (der beste Punkt bis dahin wird\n"
      "ausgegeben, ohne Vertrauensbereiche).\n\n"
      "Eine im Studienfenster gespeicherte Studie auf mehreren Rechnern: je Teil --study DATEI --shard K/N,\n"
      "dann --merge mit allen Teilen; die zusammengesetzte Ausgabe öffnet das Studienfenster dieser Studie\n"
      "(es prüft sie gegen die Studie)."), {FieldListing()});
}

void DefineCommandLine(CLI::App& app, Request& r) {
  UseHelpLabels(app);
  app.footer(HelpFooter());
  app.set_help_flag("-h,--help", Tr("lamvero-batch", "diese Hilfe zeigen und enden"));
  app.set_version_flag("--version", std::string("lamvero-batch ") + LAMVERO_VERSION,
                       Tr("lamvero-batch", "die Version zeigen und enden"));
  app.add_option("--lang", r.language,
                 Tr("lamvero-batch", "Sprache der Hilfe und der Meldungen: de (Deutsch) oder en (Englisch); Vorgabe: "
                                     "die Sprache des Systems (LC_ALL, LC_MESSAGES, LANG). JSON, CSV und Dateien "
                                     "bleiben in jeder Sprache gleich"))
      ->check(OneOfWords({"de", "en"}));
  app.add_flag("--json", r.json,
               Tr("lamvero-batch",
                  "statt der Zeilen ein JSON-Objekt: outcome, messages, fields, scalars, inputs, warnings, results "
                  "(abgelehnt: outcome, messages, problems, inputs, warnings)"));
  app.add_option("--series", r.seriesPath,
                 Tr("lamvero-batch", "die 12 Zeitreihen nach der Auswertung als CSV-Datei; - schreibt sie auf stdout"));
  app.add_option("--png", r.pngPath,
                 Tr("lamvero-batch", "das ganze Fenster nach dem Lauf als PNG-Bild (ohne Bildschirm)"));
  r.files.registerWith(app);
  std::string airHelp = Tr("lamvero-batch", "Luftbilanz im 2. Trocknungsabschnitt");
  std::string airKeys;
  for (const AirIntegrationName& n : AirIntegrationNames()) {
    airHelp += std::string(airKeys.empty() ? ": " : "; ") + n.key + ": " + Tr("Luftbilanz", n.help);
    airKeys += std::string(airKeys.empty() ? "" : "|") + n.key;
  }
  app.add_option("--air-integration", r.airIntegration,
                 airHelp + Tr("lamvero-batch", ". JSON und Falldatei nennen sie, wenn sie nicht standard ist"))
      ->type_name(airKeys);
  app.add_flag("--lab-test", r.labTest,
               Filled(Tr("lamvero-batch",
                         "%1: das Ende der Gegenstromtrocknung (txt_ThetaGegenstromende) erhält den Text der "
                         "Ablufttemperatur (txt_Lufttemp); die Luft bleibt den ganzen Lauf im Zustand der Abluft, der "
                         "Klimakammer. Eine Falldatei mit diesem Laborversuch gibt ihn auch ohne die Option vor; JSON "
                         "(\"constantAir\": true) und Falldatei nennen ihn"),
                      {kConstantAirCaption}));
  app.add_option("--report", r.reportPath,
                 Tr("lamvero-batch", "der Bericht des Laufs als PDF-Datei (A4, mit beiden Diagrammen)"));
  app.add_option("inputs", r.assignments, Tr("lamvero-batch", "Eingaben txt_Name=TEXT"));
  AddStudyOptions(app, r.study);
  r.accuracy.registerWith(app);
  AddFitOptions(app, r.fit);
  r.plant.registerWith(app);
  r.optimise.registerWith(app);
}

// One command of the runner: the command line read, checked, the run or the
// study made and its outputs written. Each step ends the command with an exit
// status when it must.
class BatchCommand {
 public:
  BatchCommand(bool stdoutOpen, Language language) : stdoutOpen_(stdoutOpen), language_(language) {
    DefineCommandLine(app_, r_);
  }

  // The exit status when the command line ends the command (help, version, a usage error).
  std::optional<int> parse(int argc, char** argv);
  // Checks the options, reads the inputs and runs a study if asked for; the
  // exit status when the command ends here.
  std::optional<int> check();
  // The single run; program is argv[0].
  RunResult run(char* program);
  // Writes what the run gave; the exit status of the command.
  int write(const RunResult& result);

 private:
  bool given(const char* option) const { return app_.count(option) > 0; }
  bool seriesToStdout() const { return given("--series") && r_.seriesPath == "-"; }
  int usage(const std::string& message) const;
  Status checkOptionCombination() const;
  Status readCaseFile();
  Status applyAssignments();
  Status chooseAirIntegration();
  Status applyConstantAir();
  std::vector<InputWarning> unusualInputs() const;
  std::vector<std::string> singleRunOutputs() const;
  std::vector<OutputPath> inputFiles() const;
  std::optional<int> checkOutputs() const;
  std::optional<int> checkInputs();
  void fileError(const std::string& message);
  void writeSeries(const RunRecord& record);
  void writeCase(const RunRecord& record);
  void writePicture();
  std::optional<int> chooseSteps();
  int fit();
  std::string accuracyMembers(const RunRecord& record);
  std::optional<int> checkOptimise() const;
  int optimise();

  CLI::App app_{
      Tr("lamvero-batch",
      "lamvero-batch: rechnet einen vollständigen Trocknungslauf ohne Fenster. Ausgangspunkt sind die\n"
      "Vorgabetexte der 18 Eingabefelder; jedes Argument txt_Name=TEXT ersetzt einen davon, genau wie\n"
      "eingetippt (z. B. txt_Dicke=25,5). Ausgegeben werden die sichtbaren Ergebniszeilen des Fensters\n"
      "als \"Beschriftung: Text\" in Fensterreihenfolge."),
      "lamvero-batch"};
  Request r_;
  const bool stdoutOpen_;
  const Language language_;
  InputTexts inputs_ = InputTexts::Defaults();
  std::optional<CaseFile> caseFile_;
  AirIntegration airIntegration_ = AirIntegration::Standard;
  bool constantAir_ = false;
  std::vector<InputWarning> warnings_;
  // The window exists only for the picture, the application also for the
  // report's fonts: without them no windowing system is needed.
  std::unique_ptr<QApplication> qapp_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<RunState> ownState_;
  std::unique_ptr<BatchDisplay> display_;
  std::optional<AutoSteps> autoSteps_;
  std::optional<AccuracyEstimate> accuracy_;
  int status_ = kExitCompleted;
};

std::optional<int> BatchCommand::parse(int argc, char** argv) {
  try {
    app_.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    app_.exit(e);
    return HelpWritten(stdoutOpen_);
  } catch (const CLI::CallForVersion& e) {
    app_.exit(e);
    return HelpWritten(stdoutOpen_);
  } catch (const CLI::ParseError& e) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::cerr << "lamvero-batch: " << WithHelpHint(OptionErrorText(e, app_, args)) << "\n";
    return kExitUsageOrRefused;
  }
  return std::nullopt;
}

int BatchCommand::usage(const std::string& message) const {
  std::cerr << "lamvero-batch: " << WithHelpHint(message) << "\n";
  return kExitUsageOrRefused;
}

// Options that need another one or exclude each other; a failure is a usage error.
Status BatchCommand::checkOptionCombination() const {
  if (r_.files.withSeries && !given("--save")) return Failure{"", Tr("lamvero-batch", "--with-series gilt nur zusammen mit --save.")};
  if (((given("--csv-dialect") && !StudyRequested(r_.study)) || given("--every")) && !given("--series")) {
    return Failure{"", Tr("lamvero-batch", "--csv-dialect gilt nur zusammen mit --series oder einer Studie, --every "
                                           "nur mit --series.")};
  }
  if (seriesToStdout() && r_.json) return Failure{"", Tr("lamvero-batch", "--series - und --json schreiben beide auf stdout.")};
  return Done{};
}

Status BatchCommand::readCaseFile() {
  if (!given("--inputs")) return Done{};
  // Opening a FIFO without a writer would wait for ever, and a device may never end.
  struct stat st {};
  if (::stat(r_.files.inputsPath.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
    return Failure{Filled(Tr("lamvero-batch", "Die Datei „%1“ kann nicht geöffnet werden"), {r_.files.inputsPath}),
                   Tr("lamvero-batch", "Das ist keine gewöhnliche Datei (ein Gerät oder eine Pipe).")};
  }
  Outcome<CaseFile> read = ReadCaseFile(QString::fromStdString(r_.files.inputsPath));
  if (!read) return read.failure();
  caseFile_ = std::move(read).value();
  inputs_ = caseFile_->inputs;
  return Done{};
}

// The txt_Name=TEXT arguments; a failure is a usage error that shows the
// right form or lists the fields.
Status BatchCommand::applyAssignments() {
  // "--vary txt_Dicke 20:40:5": the values became an input argument of their own.
  for (const std::string& varied : r_.study.vary) {
    if (varied.find('=') != std::string::npos) continue;
    const auto value = std::find_if(r_.assignments.begin(), r_.assignments.end(),
                                    [](const std::string& a) { return a.find('=') == std::string::npos; });
    const std::string hint = SpacedVaryHint(varied, value == r_.assignments.end() ? "" : *value);
    if (!hint.empty()) return Failure{"", hint};
  }
  for (std::size_t i = 0; i < r_.assignments.size(); ++i) {
    const std::string& a = r_.assignments[i];
    const std::size_t eq = a.find('=');
    const std::string name = a.substr(0, eq);
    if (eq == std::string::npos) {
      // "txt_Dicke 25": the value, if any, is the next argument.
      const bool valueFollows = i + 1 < r_.assignments.size() && r_.assignments[i + 1].find('=') == std::string::npos;
      const std::string hint = SpacedAssignmentHint(name, valueFollows ? r_.assignments[i + 1] : "");
      if (!hint.empty()) return Failure{"", hint};
    }
    if (eq == std::string::npos || !inputs_.set(name, a.substr(eq + 1))) {
      std::string why = Filled(Tr("lamvero-batch", "unbekanntes Eingabefeld in \"%1\""), {ShownText(a)});
      const std::string suggestion = SuggestField(name);
      if (!suggestion.empty()) why += Filled(Tr("lamvero-batch", "; gemeint ist wohl %1"), {suggestion});
      why += Tr("lamvero-batch", ". Erwartet txt_Name=TEXT mit einem von:");
      for (const InputField& f : InputFields()) why += std::string(" ") + f.box;
      return Failure{"", why};
    }
  }
  return Done{};
}

// The case file's air balance, or the one --air-integration names; a failure
// is a usage error. Studies run with the standard balance only.
Status BatchCommand::chooseAirIntegration() {
  if (caseFile_) airIntegration_ = caseFile_->airIntegration;
  if (given("--air-integration")) {
    const Outcome<AirIntegration> chosen = AirIntegrationOfKey(r_.airIntegration, "--air-integration");
    if (!chosen) return chosen.failure();
    airIntegration_ = chosen.value();
  }
  if (StudyRequested(r_.study) && airIntegration_ != AirIntegration::Standard) {
    return Failure{"--air-integration",
                   Filled(Tr("lamvero-batch", "die Luftbilanz %1 (Option oder Falldatei) gilt nur für einen einzelnen "
                                              "Lauf, nicht für eine Studie."),
                          {AirIntegrationKey(airIntegration_)})};
  }
  return Done{};
}

// The laboratory test, by --lab-test or the case file: the counter-current end
// takes the exhaust temperature's text. A command line that sets that box
// too, or asks for a study (whose varied inputs would escape the rule), is a
// usage error.
Status BatchCommand::applyConstantAir() {
  constantAir_ = r_.labTest || (caseFile_ && caseFile_->constantAir);
  if (!constantAir_) return Done{};
  const std::string source = r_.labTest ? "--lab-test" : "--inputs " + r_.files.inputsPath;
  const std::string box = std::string(FieldOf(Input::ThetaGegenstromende).box) + "=";
  for (const std::string& a : r_.assignments) {
    if (a.rfind(box, 0) == 0) {
      return Failure{"", Filled(Tr("lamvero-batch", "im %1 (%2) folgt txt_ThetaGegenstromende der Ablufttemperatur "
                                                    "txt_Lufttemp und lässt sich nicht setzen: \"%3\"."),
                                {kConstantAirCaption, source, ShownText(a)})};
    }
  }
  if (StudyRequested(r_.study)) {
    return Failure{"", Filled(Tr("lamvero-batch", "der %1 (%2) gilt nur für einen einzelnen Lauf, nicht für eine Studie."),
                              {kConstantAirCaption, source})};
  }
  inputs_ = WithConstantAir(inputs_);
  return Done{};
}

// The inputs outside their usual range; in a laboratory test not the counter-current end, which follows the exhaust.
std::vector<InputWarning> BatchCommand::unusualInputs() const {
  std::vector<InputWarning> warnings = FindUnusualInputs(inputs_);
  return constantAir_ ? ConstantAirWarnings(std::move(warnings)) : warnings;
}

std::vector<std::string> BatchCommand::singleRunOutputs() const {
  std::vector<std::string> outputs;
  for (const char* option : {"--json", "--series", "--png", "--report", "--save", "--with-series", "--every",
                             "--accuracy", "--auto-steps", "--throughput", "--piece-mass", "--optimise"}) {
    if (given(option)) outputs.push_back(option);
  }
  return outputs;
}

// The files the command reads, which no output may name.
std::vector<OutputPath> BatchCommand::inputFiles() const {
  if (!given("--inputs")) return {};
  return {{"--inputs", r_.files.inputsPath}};
}

std::optional<int> BatchCommand::check() {
  if (const Status combination = checkOptionCombination(); !combination) return usage(combination.message());
  if (const Status read = readCaseFile(); !read) {
    std::cerr << "lamvero-batch: --inputs: " << read.message() << "\n";
    return kExitUsageOrRefused;
  }
  if (const Status assigned = applyAssignments(); !assigned) return usage(assigned.message());
  if (const Status air = chooseAirIntegration(); !air) return usage(air.message());
  if (const Status lab = applyConstantAir(); !lab) return usage(lab.message());
  if (const Status accuracy = r_.accuracy.resolve(app_); !accuracy) return usage(accuracy.message());
  if (const Status plant = r_.plant.resolve(app_); !plant) return usage(plant.message());
  if (const Status alone = r_.optimise.refuseAlone(app_); !alone) return usage(alone.message());
  if (FitRequested(r_.fit) && r_.optimise.requested(app_)) return usage(Tr("lamvero-batch", "--fit und --optimise schließen sich aus."));
  if (FitRequested(r_.fit)) return fit();
  const bool levels = r_.accuracy.estimate || r_.accuracy.autoSteps;
  if (const Status studyOnly = CheckStudyOnlyOptions(app_, r_.study, levels); !studyOnly) {
    std::cerr << "lamvero-batch: " << studyOnly.message() << "\n";
    return kExitUsageOrRefused;
  }
  if (StudyRequested(r_.study)) {
    return RunStudyCommand(r_.study, inputs_, r_.files.dialect(),
                           {singleRunOutputs(), inputFiles(), !r_.assignments.empty(), stdoutOpen_});
  }
  if (const std::optional<int> ended = checkOptimise()) return ended;
  if (const std::optional<int> ended = checkOutputs()) return ended;
  if (const std::optional<int> ended = checkInputs()) return ended;
  if (r_.optimise.requested(app_)) return optimise();
  return chooseSteps();
}

// --fit: the inputs as given are the fit's base case; it runs instead of the
// single run, with -j threads for the Jacobian's runs.
int BatchCommand::fit() {
  if (StudyRequested(r_.study)) {
    return usage(Tr("lamvero-batch", "--fit und eine Studie (--vary, --cases, --study, --merge) schließen sich aus."));
  }
  for (const std::string& option : singleRunOutputs()) {
    if (option != "--json") return usage(Filled(Tr("lamvero-batch", "--fit gilt nicht zusammen mit %1."), {option}));
  }
  return RunFitCommand(r_.fit, {inputs_, airIntegration_, WorkerThreads(r_.study), r_.json, r_.study.progressLog});
}

// --optimise writes its own report on stdout: no single run's outputs beside it.
std::optional<int> BatchCommand::checkOptimise() const {
  if (!r_.optimise.requested(app_)) return std::nullopt;
  for (const std::string& option : singleRunOutputs()) {
    if (option != "--json" && option != "--throughput" && option != "--piece-mass" && option != "--optimise") {
      return usage(Filled(Tr("lamvero-batch", "%1 gilt für einen einzelnen Lauf, nicht mit --optimise"), {option}));
    }
  }
  return std::nullopt;
}

// The optimisation on top of the inputs; SIGTERM and SIGINT stop it with the best point so far.
int BatchCommand::optimise() {
  Outcome<OptimiseProblem> read = r_.optimise.problem(inputs_);
  if (!read) return usage(read.message());
  OptimiseProblem problem = std::move(read).value();
  problem.plant = r_.plant.plant;
  problem.airIntegration = airIntegration_;
  problem.jobs = WorkerThreads(r_.study);
  if (const std::string error = OptimiseProblemError(problem); !error.empty()) return usage("--optimise: " + error);
  StopOnSignal onSignal;
  const OptimiseResult result = Optimise(problem, nullptr, &onSignal.stop());
  if (r_.json) {
    std::cout << "{" << OptimiseJsonMember(problem, result).substr(1) << "}\n";
  } else {
    std::cout << OptimiseLines(problem, result);
  }
  int status = kExitCompleted;
  switch (result.status) {
    case OptimiseResult::Status::Found: break;
    case OptimiseResult::Status::Infeasible: status = kExitInfeasible; break;
    case OptimiseResult::Status::Stopped: status = kExitSignalBase + onSignal.signal(); break;
    case OptimiseResult::Status::Failed: status = kExitStopped; break;
  }
  if (result.status != OptimiseResult::Status::Found) std::cerr << "lamvero-batch: " << result.message << "\n";
  if (const std::optional<std::string> lost = StdoutLost(stdoutOpen_, StdoutErrno())) {
    std::cerr << "lamvero-batch: " << *lost << "\n";
    if (status == kExitCompleted) status = kExitFileError;
  }
  return status;
}

// --auto-steps: the run then has the chosen steps; a search that fails ends
// the command as a run that had to stop.
std::optional<int> BatchCommand::chooseSteps() {
  if (!r_.accuracy.autoSteps) return std::nullopt;
  AutoStepsOptions options;
  options.tolerancePercent = r_.accuracy.autoStepsPercent;
  options.threads = WorkerThreads(r_.study);
  options.airIntegration = airIntegration_;
  Outcome<AutoSteps> chosen = ChooseSteps(inputs_, options);
  if (!chosen) {
    std::cerr << "lamvero-batch: --auto-steps: " << chosen.message() << "\n";
    return kExitStopped;
  }
  autoSteps_ = std::move(chosen).value();
  std::cerr << "lamvero-batch: " << AutoStepsLine(*autoSteps_) << "\n";
  inputs_[Input::deltaT] = autoSteps_->deltaT;
  inputs_[Input::Ortsschrittweite] = autoSteps_->Ortsschrittweite;
  // The chosen steps passed the input check; the warnings now concern them,
  // and only those on the steps are new.
  warnings_ = unusualInputs();
  for (const InputWarning& w : warnings_) {
    if (w.field == Input::deltaT || w.field == Input::Ortsschrittweite) {
      Warn(w.text);
    }
  }
  return std::nullopt;
}

// The members --json adds for --auto-steps and --accuracy; the estimate also
// goes to the rows and the case file. An estimate that cannot be made ends
// the command as a run that had to stop.
std::string BatchCommand::accuracyMembers(const RunRecord& record) {
  std::string members;
  if (autoSteps_) members += AutoStepsJsonMember(*autoSteps_, r_.accuracy.autoStepsPercent);
  if (!r_.accuracy.estimate) return members;
  Outcome<AccuracyEstimate> estimate = Failure{"", Tr("lamvero-batch", "kein vollständiger Lauf, von dem aus verfeinert werden kann")};
  if (record.outcome == RunOutcome::Completed) {
    AccuracyOptions options;
    options.scheme = r_.accuracy.scheme;
    options.tolerancePercent = r_.accuracy.tolerancePercent;
    options.threads = WorkerThreads(r_.study);
    options.airIntegration = airIntegration_;
    options.userRun = &record;
    estimate = EstimateAccuracy(inputs_, options);
  }
  if (estimate) {
    accuracy_ = estimate.value();
  } else {
    std::cerr << "lamvero-batch: --accuracy: " << estimate.message() << "\n";
    status_ = kExitStopped;
  }
  return members + AccuracyJsonMember(estimate);
}

std::optional<int> BatchCommand::checkOutputs() const {
  // A PDF is no stream for a terminal or a pipe.
  if (given("--report") && r_.reportPath == "-") {
    return usage(Tr("lamvero-batch", "--report: der Bericht geht nur in eine Datei, nicht auf stdout."));
  }
  // The rows go to stdout unless --series - takes it.
  std::vector<OutputPath> outputs;
  if (!seriesToStdout()) outputs.push_back(kStdoutPath);
  if (given("--series")) outputs.push_back({"--series", r_.seriesPath});
  if (given("--png")) outputs.push_back({"--png", r_.pngPath});
  if (given("--save")) outputs.push_back({"--save", r_.files.savePath});
  if (given("--report")) outputs.push_back({"--report", r_.reportPath});
  std::vector<OutputPath> earlier;
  for (const OutputPath& output : outputs) {
    // The case may be saved back into the file it came from, as the window's Speichern does.
    const std::vector<OutputPath> read = output.option == "--save" ? std::vector<OutputPath>{} : inputFiles();
    if (const Status usable = OutputPathUsable(output, earlier, read); !usable) return usage(usable.message());
    if (const Status writable = OutputPathWritable(output); !writable) {
      std::cerr << "lamvero-batch: " << writable.message() << "\n";
      return kExitFileError;
    }
    earlier.push_back(output);
  }
  return std::nullopt;
}

std::optional<int> BatchCommand::checkInputs() {
  warnings_ = unusualInputs();
  for (const InputWarning& w : warnings_) Warn(w.text);
  const std::vector<InputProblem> problems = FindInputProblems(inputs_);
  if (problems.empty()) {
    // The runner asks nobody: a run that will fill its series is run anyway,
    // with a warning. Steps chosen by --auto-steps replace the ones entered.
    if (const std::string full = r_.accuracy.autoSteps ? "" : SeriesFillWarning(inputs_); !full.empty()) {
      Warn(full);
    }
    return std::nullopt;
  }
  for (const InputProblem& p : problems) std::cerr << Tr("lamvero-batch", "Eingabe abgelehnt: ") << p.text << "\n";
  if (r_.json) std::cout << RefusedJson(problems, inputs_, warnings_);
  if (const std::optional<std::string> lost = StdoutLost(stdoutOpen_, StdoutErrno())) std::cerr << "lamvero-batch: " << *lost << "\n";
  return kExitUsageOrRefused;
}

RunResult BatchCommand::run(char* program) {
  if (!r_.pngPath.empty() || given("--report")) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qargc = 1;
    static char* qargv[] = {program, nullptr};
    qapp_ = std::make_unique<QApplication>(qargc, qargv);
    StartLanguage(language_);  // now for Qt's texts too
  }
  if (!r_.pngPath.empty()) {
    window_ = std::make_unique<MainWindow>();
    window_->setInputs(inputs_);
    window_->show();
    // As Start does: no input box keeps the keyboard focus during the run.
    if (QWidget* sink = window_->findChild<QWidget*>("txt_parkfocus")) sink->setFocus();
  } else {
    ownState_ = std::make_unique<RunState>();
  }
  RunState& s = window_ ? window_->runState() : *ownState_;
  display_ = std::make_unique<BatchDisplay>(s, window_ ? &window_->display() : nullptr, isatty(STDERR_FILENO) == 1);
  DisplayRunOptions options;
  options.controlsAtOpen = ControlAtOpen;
  options.airIntegration = airIntegration_;
  // Steps chosen for a tolerance may be finer than a single run takes.
  if (autoSteps_) options.limits = RunLimits::Extended();
  const RunResult result = RunOnDisplay(s, inputs_, *display_, options);
  display_->endProgress();
  return result;
}

// A run that had to stop keeps its status; a lost output is reported beside it.
void BatchCommand::fileError(const std::string& message) {
  std::cerr << "lamvero-batch: " << message << "\n";
  if (status_ == kExitCompleted) status_ = kExitFileError;
}

void BatchCommand::writeSeries(const RunRecord& record) {
  if (seriesToStdout()) {
    const bool written = WriteSeriesCsv(record.series, r_.files.dialect(), r_.files.every,
                                        [](std::string_view piece) {
                                          std::cout.write(piece.data(), static_cast<std::streamsize>(piece.size()));
                                          return static_cast<bool>(std::cout);
                                        }) &&
                         std::cout.flush();
    if (!written) {
      fileError(Tr("lamvero-batch", "die Zeitreihen können nicht auf stdout geschrieben werden") +
                FileErrorSuffix(StdoutErrno()) + ".");
    }
  } else if (given("--series")) {
    const Status saved =
        SaveSeriesCsv(QString::fromStdString(r_.seriesPath), record.series, r_.files.dialect(), r_.files.every);
    if (!saved) fileError(saved.message());
  }
}

void BatchCommand::writeCase(const RunRecord& record) {
  CaseFile saved;
  if (caseFile_) saved = *caseFile_;  // the project data stay
  saved.inputs = inputs_;
  saved.airIntegration = airIntegration_;
  saved.constantAir = constantAir_;
  saved.run = CaseRunOf(record, RunDateNow(), ProgramName().toStdString());
  saved.run->accuracy = accuracy_;
  const Status written = SaveCaseFile(QString::fromStdString(r_.files.savePath), saved, r_.files.withSeries);
  if (!written) fileError(written.message());
}

void BatchCommand::writePicture() {
  if (auto* qt = dynamic_cast<QtDisplay*>(&window_->display())) qt->applyTexts();  // the last values on screen
  if (!window_->grab().save(QString::fromStdString(r_.pngPath), "PNG")) {
    fileError(Filled(Tr("lamvero-batch", "das Bild %1 kann nicht geschrieben werden."), {r_.pngPath}));
  }
}

int BatchCommand::write(const RunResult& result) {
  const RunRecord& record = (window_ ? window_->runState() : *ownState_).record;
  status_ = result.outcome == RunOutcome::Completed ? kExitCompleted : kExitStopped;
  std::string members = (constantAir_ ? std::string(",\"constantAir\":true") : std::string()) +
                        accuracyMembers(record);
  if (r_.plant.plant) members += PlantJsonMember(*r_.plant.plant, record);
  if (r_.json) {
    std::cout << RunJson(record, display_->profileCurves(), warnings_, members);
  } else if (!seriesToStdout()) {  // then stdout holds the table alone
    PrintRows(record);
    if (accuracy_) std::cout << AccuracyLines(*accuracy_);
    if (r_.plant.plant) std::cout << PlantLines(*r_.plant.plant, record);
  }
  const int stdoutErrno = StdoutErrno();  // before the files are written
  for (const std::string& m : result.shownMessages) std::cerr << "lamvero-batch: " << m << "\n";
  writeSeries(record);
  if (given("--save")) writeCase(record);
  if (given("--report")) {
    CaseFile subject;
    if (caseFile_) subject = *caseFile_;
    subject.constantAir = constantAir_;
    const Status written = WriteReport(record, r_.reportPath, subject, r_.files.inputsPath);
    if (!written) fileError(written.message());
  }
  if (const std::optional<std::string> lost = StdoutLost(stdoutOpen_, stdoutErrno)) fileError(*lost);
  if (window_) writePicture();
  return status_;
}

int Run(int argc, char** argv) {
  KeepOpen(STDIN_FILENO);
  const bool stdoutOpen = KeepOpen(STDOUT_FILENO);
  KeepOpen(STDERR_FILENO);
  const Language language = ChosenLanguage(argc, argv);
  StartLanguage(language);
  BatchCommand command(stdoutOpen, language);
  if (const std::optional<int> ended = command.parse(argc, argv)) return *ended;
  if (const std::optional<int> ended = command.check()) return *ended;
  const RunResult result = command.run(argv[0]);
  return command.write(result);
}

}  // namespace
}  // namespace lamvero

// The last resort: whatever was not foreseen ends the program with a message
// and a failure, never with an abort.
int main(int argc, char** argv) {
  try {
    return lamvero::Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "lamvero-batch: " << lamvero::Tr("lamvero-batch", "interner Fehler: ") << e.what() << "\n";
  } catch (...) {
    std::cerr << "lamvero-batch: " << lamvero::Tr("lamvero-batch", "interner Fehler: unbekannte Ausnahme") << "\n";
  }
  return lamvero::kExitFileError;
}
