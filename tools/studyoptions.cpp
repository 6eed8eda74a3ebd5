#include "tools/studyoptions.h"

#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <optional>
#include <utility>

#include "disk/fileerrors.h"
#include "study/memorybudget.h"
#include "study/refinement.h"
#include "study/studyaxis.h"
#include "study/studydefinition.h"
#include "study/studyplan.h"
#include "study/studyrunner.h"
#include "study/studyshard.h"
#include "study/casetable.h"
#include "tools/exitstatus.h"
#include "tools/optionerrors.h"
#include "study/studymerge.h"
#include "study/studypart.h"
#include "tools/stoponsignal.h"
#include "tools/studyfileinput.h"
#include "tools/studyprogress.h"
#include "study/studywriter.h"
#include "study/usablecores.h"
#include "text/language.h"

namespace lamvero {

namespace {

int Refuse(const std::string& why) {
  std::cerr << "lamvero-batch: " << why << "\n";
  return kExitUsageOrRefused;
}

// Writes each row as it arrives and counts the cases that did not complete.
class StudyOutput : public StudyObserver {
 public:
  StudyOutput(StudyWriter& writer, StudyProgress& progress, std::function<std::size_t(std::size_t)> rowNumber)
      : writer_(writer), progress_(progress), rowNumber_(std::move(rowNumber)) {}

  bool caseDone(std::size_t ordinal, CaseSummary summary) override {
    if (summary.outcome != RunOutcome::Completed) ++incomplete_;
    errno = 0;
    writeFailed_ = !writer_.writeRow(rowNumber_(ordinal), summary);
    if (writeFailed_) writeErrno_ = errno;
    return !writeFailed_;
  }
  void progress(std::size_t finished, std::size_t total) override { progress_.update(finished, total); }

  std::size_t incomplete() const { return incomplete_; }
  bool writeFailed() const { return writeFailed_; }
  int writeErrno() const { return writeErrno_; }

 private:
  StudyWriter& writer_;
  StudyProgress& progress_;
  std::function<std::size_t(std::size_t)> rowNumber_;
  std::size_t incomplete_ = 0;
  bool writeFailed_ = false;
  int writeErrno_ = 0;  // the cause of the failed write
};

}  // namespace

void AddStudyOptions(CLI::App& app, StudyOptions& o) {
  app.add_option("--vary", o.vary,
                 Tr("lamvero-batch",
                    "Studie: ein Feld variieren, txt_Name=Anfang:Ende:Schritt (einschließlich) oder eine Liste "
                    "35;45;55 (bzw. 35,45,55; 0,5;1,5); mehrere --vary ergeben das volle Gitter, das letzte "
                    "ändert sich am schnellsten"))
      ->type_name("txt_Name=" + Tr("lamvero-batch", "WERTE"))
      ->allow_extra_args(false);  // one field per --vary: a following txt_Name=TEXT stays an input
  app.add_option("--cases", o.casesPath,
                 Tr("lamvero-batch",
                    "Studie: ein Fall je Zeile einer CSV-Datei, Kopfzeile = Feldnamen (beliebige Auswahl; leere "
                    "Zelle und fehlende Felder: Vorgabe bzw. txt_Name=TEXT); mit --vary: jede Zeile mal dem Gitter"))
      ->type_name(Tr("lamvero-batch", "DATEI") + ".csv");
  app.add_option("--study", o.studyPath,
                 Tr("lamvero-batch",
                    "Studie: die im Fenster gespeicherte Studie rechnen (Grundeingaben und variierte Eingaben der "
                    "Studiendatei; gespeicherte Ergebnisse werden neu gerechnet); Ausgabe wie mit --vary, auch mit "
                    "-j, --shard, --format; ohne --vary, --cases, --refine, --inputs und txt_Name=TEXT"))
      ->type_name(Tr("lamvero-batch", "DATEI") + ".lamvero-studie");
  app.add_option("-j,--jobs", o.jobs,
                 Tr("lamvero-batch", "Studie, --accuracy, --auto-steps: so viele Läufe gleichzeitig (Vorgabe: einer "
                                     "je Kern, den der Prozess nutzen darf)"))
      ->type_name(Tr("lamvero-batch", "ANZAHL"))
      ->check(WholeNumberBetween(1, 1024));
  app.add_option("--shard", o.shard,
                 Tr("lamvero-batch", "Studie: nur Teil K von N rechnen (jeder N-te Fall ab Fall K, K und N ab 1); "
                                     "die Teile setzt --merge wieder zusammen"))
      ->type_name("K/N");
  CLI::Option* refine = app.add_flag("--refine{3}", o.refinements,
               Tr("lamvero-batch", "Konvergenz: den Fall mit seiner Zeit- und Ortsschrittweite rechnen, dann mit "
                                   "beiden halbiert, N-mal (--refine=N, 1 bis 5, Vorgabe 3); je Stufe die Ergebnisse "
                                   "und ihre Änderung"))
      ->check(WholeNumberBetween(1, kMaxRefinements));
  app.add_option("--format", o.format, Tr("lamvero-batch", "Studie: Ausgabe als csv (Vorgabe) oder jsonl (JSON Lines)"))
      ->check(OneOfWords({"csv", "jsonl"}));
  app.add_option("--merge", o.merge,
                 Tr("lamvero-batch", "die Ausgaben der Teile einer Studie (--shard) in Fallreihenfolge "
                                     "zusammensetzen, byte-gleich mit der ungeteilten Studie"))
      ->type_name(Tr("lamvero-batch", "DATEI"));
  app.add_flag("--progress", o.progressLog,
               Tr("lamvero-batch", "Studie: Fortschritt auch dann auf stderr, wenn es kein Terminal ist (eine Zeile "
                                   "je 10 s)"));
  // A flag with a value writes 0 into its variable when it is not given.
  app.final_callback([&o, refine] {
    if (refine->count() == 0) o.refinements = -1;
  });
}

bool StudyRequested(const StudyOptions& o) {
  return !o.vary.empty() || !o.casesPath.empty() || !o.studyPath.empty() || o.refinements >= 0 || !o.merge.empty();
}

Status CheckStudyOnlyOptions(const CLI::App& app, const StudyOptions& o, bool levelsRequested) {
  if (StudyRequested(o)) return Done{};
  for (const char* name : {"--jobs", "--shard", "--format", "--progress"}) {
    if (levelsRequested && std::string(name) == "--jobs") continue;
    if (app.count(name) > 0) {
      const bool jobs = std::string(name) == "--jobs";
      return Failure{"", Filled(jobs ? Tr("lamvero-batch", "%1 gilt nur für eine Studie (--vary, --cases, --study, "
                                                           "--refine) oder mit --accuracy, --auto-steps")
                                     : Tr("lamvero-batch", "%1 gilt nur für eine Studie (--vary, --cases, --study, "
                                                           "--refine)"),
                                {name})};
    }
  }
  return Done{};
}

unsigned WorkerThreads(const StudyOptions& o) { return o.jobs > 0 ? o.jobs : UsableCores(); }

namespace {

// What --study does not go with: the study file holds the base inputs and the varied ones.
Status CheckStudyFileCombination(const StudyOptions& o, const StudyContext& context) {
  const bool fromFile = std::any_of(context.inputFiles.begin(), context.inputFiles.end(),
                                    [](const OutputPath& p) { return p.option == "--inputs"; });
  const std::pair<bool, const char*> others[] = {{!o.vary.empty(), "--vary"},
                                                 {!o.casesPath.empty(), "--cases"},
                                                 {o.refinements >= 0, "--refine"},
                                                 {fromFile, "--inputs"},
                                                 {context.inputsAssigned, "txt_Name=TEXT"}};
  for (const auto& [given, name] : others) {
    if (given) {
      return Failure{"", Filled(Tr("lamvero-batch", "--study zusammen mit %1: die Studiendatei legt Grundeingaben "
                                                    "und variierte Eingaben fest; %1 weglassen oder die Studie im "
                                                    "Fenster ändern"),
                                {name})};
    }
  }
  return Done{};
}

// Options that do not go together in a study; a failure is a refusal.
Status CheckStudyCombination(const StudyOptions& o, const StudyContext& context) {
  if (!context.singleRunOutputs.empty()) {
    return Failure{"", Filled(Tr("lamvero-batch", "%1 gilt für einen einzelnen Lauf, nicht für eine Studie"),
                              {context.singleRunOutputs.front()})};
  }
  if (!o.merge.empty() && (!o.vary.empty() || !o.casesPath.empty() || !o.studyPath.empty() || o.refinements >= 0 ||
                           !o.shard.empty())) {
    return Failure{"", Tr("lamvero-batch", "--merge setzt fertige Teile zusammen und rechnet nichts; ohne --vary, "
                                           "--cases, --study, --refine, --shard")};
  }
  if (!o.studyPath.empty()) return CheckStudyFileCombination(o, context);
  if (o.refinements >= 0 && (!o.vary.empty() || !o.casesPath.empty() || !o.shard.empty())) {
    return Failure{"", Tr("lamvero-batch", "--refine verfeinert einen Fall (die Eingaben txt_Name=TEXT); ohne --vary, "
                                           "--cases, --shard")};
  }
  return Done{};
}

// The cases a study runs, in the order of its rows: the refinement levels, or
// this shard's part of the plan.
struct StudyCases {
  std::vector<InputTexts> levels;  // a refinement study
  std::optional<StudyPlan> plan;   // any other
  StudyShard shard;
  std::vector<Input> variedFields;
  std::string partBegin;  // the first line of a part (--shard); empty for a whole study

  bool refinement() const { return !plan; }
  std::size_t count() const { return refinement() ? levels.size() : shard.caseCount(plan->size()); }
  InputTexts inputs(std::size_t i) const { return refinement() ? levels[i] : plan->caseInputs(shard.caseIndex(i)); }
  std::size_t rowNumber(std::size_t i) const { return refinement() ? i : shard.caseIndex(i) + 1; }
};

// Reads the varied inputs, the table of cases and the shard; a failure is a
// refusal that names the option.
Outcome<StudyCases> PlanStudy(const StudyOptions& o, const InputTexts& base, StudyIdentity identity) {
  StudyCases cases;
  if (o.refinements >= 0) {
    cases.levels = RefinementLevels(base, o.refinements);
    if (const Status fits = CheckRefinementLevels(cases.levels); !fits) return Failure{"--refine", fits.message()};
    cases.variedFields = {Input::deltaT, Input::Ortsschrittweite};
    return cases;
  }
  std::vector<StudyAxis> axes;
  for (const std::string& given : o.vary) {
    Outcome<StudyAxis> axis = ReadStudyAxis(given);
    if (!axis) return Failure{"", "--vary " + axis.message()};
    axes.push_back(std::move(axis).value());
  }
  CaseTable table;
  if (!o.casesPath.empty()) {
    Outcome<CaseTable> read = ReadCaseTable(o.casesPath);
    if (!read) return Failure{"", "--cases " + read.message()};
    table = std::move(read).value();
  }
  // A part carries what makes its study, so that a merge can tell whether its parts belong together.
  if (!o.shard.empty()) {
    identity.axes = axes;
    if (!o.casesPath.empty()) identity.table = table;
  }
  Outcome<StudyPlan> plan = StudyPlan::Make(base, std::move(table), std::move(axes));
  if (!plan) return plan.failure();
  cases.plan = std::move(plan).value();
  cases.variedFields = cases.plan->variedFields();
  if (!o.shard.empty()) {
    const Outcome<StudyShard> shard = ReadStudyShard(o.shard);
    if (!shard) return shard.failure();
    cases.shard = shard.value();
    identity.base = base;
    identity.studyCases = cases.plan->size();
    cases.partBegin = PartBeginLine(identity, cases.shard);
  }
  return cases;
}

// stdout could not be written; code is the errno of the failed write.
int OutputLost(int code, const std::string& after = "") {
  std::cerr << "lamvero-batch: " << Tr("lamvero-batch", "die Ausgabe (stdout) kann nicht geschrieben werden")
            << FileErrorSuffix(code) << after << "\n";
  return kExitFileError;
}

// The status of a study whose rows are all written: 3 when a case did not complete.
int FinishedStatus(std::size_t incomplete, std::size_t count, bool levels) {
  if (incomplete == 0) return kExitCompleted;
  const std::string text = levels ? Tr("lamvero-batch", "%1 von %2 Stufen nicht vollständig gerechnet (Spalte outcome)")
                                  : Tr("lamvero-batch", "%1 von %2 Fällen nicht vollständig gerechnet (Spalte outcome)");
  std::cerr << "lamvero-batch: " << Filled(text, {std::to_string(incomplete), std::to_string(count)}) << "\n";
  return kExitStopped;
}

// Puts the parts together on stdout: 2 for a part refused, 1 when stdout
// cannot be written, 3 when a case did not complete, as in the study itself.
int MergeParts(const std::vector<std::string>& paths) {
  std::vector<StudyPartText> parts;
  for (const std::string& path : paths) {
    Outcome<StudyPartText> part = ReadStudyPartFile(path);
    if (!part) return Refuse("--merge: " + part.message());
    parts.push_back(std::move(part).value());
  }
  const Outcome<MergedStudy> merged = MergeStudyParts(parts);
  if (!merged) return Refuse("--merge: " + merged.message());
  const std::string& text = merged->text;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
    return OutputLost(errno);
  }
  return FinishedStatus(merged->incomplete, merged->cases, false);
}

// The study's end when a signal stopped it: the mark that says so, the
// stderr line and the status of a program stopped by that signal.
int StoppedBySignal(StudyWriter& writer, const StudyCases& cases, StudyEnd end, int signal) {
  end.complete = false;
  end.reason = StopOnSignal::Name(signal);
  const StudyFormat format = writer.format();
  const std::size_t total = cases.refinement() ? cases.count() : cases.plan->size();
  writer.writeMark(cases.partBegin.empty() ? IncompleteLine(format, end, total) : PartEndLine(format, end));
  const std::string text = cases.refinement() ? Tr("lamvero-batch", "Studie abgebrochen (%1): %2 von %3 Stufen geschrieben")
                                              : Tr("lamvero-batch", "Studie abgebrochen (%1): %2 von %3 Fällen geschrieben");
  std::cerr << "lamvero-batch: "
            << Filled(text, {end.reason, std::to_string(end.rows), std::to_string(cases.count())}) << "\n";
  return kExitSignalBase + signal;
}

// Runs the cases and writes their rows to stdout; returns the exit status.
int RunCases(const StudyOptions& o, const StudyCases& cases, const StudyLayout& layout) {
  const std::size_t count = cases.count();
  StudyWriter writer(stdout, layout);
  const StudyProgress::Style style = isatty(STDERR_FILENO) == 1 ? StudyProgress::Style::Terminal
                                     : o.progressLog           ? StudyProgress::Style::Log
                                                               : StudyProgress::Style::Off;
  StudyProgress progress(style);
  StudyOutput output(writer, progress, [&cases](std::size_t i) { return cases.rowNumber(i); });
  errno = 0;
  if (!writer.writeMark(cases.partBegin) || !writer.writeHeader()) return OutputLost(errno);
  const StopOnSignal signals;
  StudyRunOptions runOptions;
  runOptions.jobs = WorkerThreads(o);
  runOptions.stop = &signals.stop();
  // Refined levels may need a finer grid and more time steps than a single run holds.
  if (cases.refinement()) runOptions.limits = RunLimits::Extended();
  const std::size_t written = RunStudy(count, [&cases](std::size_t i) { return cases.inputs(i); }, output, runOptions);
  progress.end();

  if (output.writeFailed()) return OutputLost(output.writeErrno(), Tr("lamvero-batch", "; Studie abgebrochen"));
  const StudyEnd end{written, output.incomplete(), true, ""};
  if (written < count && signals.signal() != 0) return StoppedBySignal(writer, cases, end, signals.signal());
  if (!cases.partBegin.empty() && !writer.writeMark(PartEndLine(layout.format, end))) return OutputLost(errno);
  return FinishedStatus(output.incomplete(), count, cases.refinement());
}

// A refinement whose levels the machine cannot hold is refused before any
// level runs; a machine that does not tell its memory is not asked.
Status CheckRefinementMemory(const StudyCases& cases, unsigned jobs) {
  const std::optional<std::uint64_t> available = AvailableMemoryBytes();
  if (!cases.refinement() || !available) return Done{};
  std::vector<std::uint64_t> bytes;
  for (const InputTexts& level : cases.levels) bytes.push_back(LevelMemoryBytes(level));
  return CheckLevelsFit(bytes, jobs, *available);
}

// stdout must be there for the rows and must not overwrite what the study reads.
std::optional<int> CheckStudyOutput(const StudyOptions& o, const StudyContext& context) {
  std::vector<OutputPath> inputs = context.inputFiles;
  if (!o.casesPath.empty()) inputs.push_back({"--cases", o.casesPath});
  if (!o.studyPath.empty()) inputs.push_back({"--study", o.studyPath});
  for (const std::string& part : o.merge) inputs.push_back({"--merge", part});
  if (const Status usable = OutputPathUsable(kStdoutPath, {}, inputs); !usable) return Refuse(usable.message());
  if (context.stdoutOpen) return std::nullopt;
  std::cerr << "lamvero-batch: "
            << Tr("lamvero-batch", "die Ausgabe auf stdout ließ sich nicht schreiben (stdout ist geschlossen); "
                                   "nichts gerechnet.")
            << "\n";
  return kExitFileError;
}

// --study: the study the file defines, as the same study given with --vary
// (its rows and a part's marks are those of that command). Results the file
// holds are not read back: the study is computed anew.
Status UseStudyFile(StudyOptions& o, InputTexts& base) {
  if (o.studyPath.empty()) return Done{};
  const Outcome<StudyDefinition> read = ReadStudyDefinition(o.studyPath);
  if (!read) return Failure{"--study", read.message()};
  base = read->base;
  for (const StudyVariation& variation : read->varied) o.vary.push_back(VaryOption(variation));
  return Done{};
}

}  // namespace

int RunStudyCommand(const StudyOptions& given, const InputTexts& givenBase, CsvDialect dialect,
                    const StudyContext& context) {
  if (const Status combination = CheckStudyCombination(given, context); !combination) {
    return Refuse(combination.message());
  }
  if (const std::optional<int> ended = CheckStudyOutput(given, context)) return *ended;
  if (!given.merge.empty()) return MergeParts(given.merge);
  StudyOptions o = given;
  InputTexts base = givenBase;
  if (const Status used = UseStudyFile(o, base); !used) return Refuse(used.message());
  StudyLayout layout;
  layout.format = o.format == "jsonl" ? StudyFormat::JsonLines : StudyFormat::Csv;
  layout.dialect = dialect;
  StudyIdentity identity;
  identity.program = std::string("lamvero-batch ") + LAMVERO_VERSION;
  identity.format = layout.format;
  identity.dialect = dialect;
  const Outcome<StudyCases> cases = PlanStudy(o, base, std::move(identity));
  if (!cases) return Refuse(cases.message());
  if (const Status fits = CheckRefinementMemory(cases.value(), WorkerThreads(o)); !fits) return Refuse(fits.message());
  if (!cases->refinement() && cases->count() == 0) {
    std::cerr << "lamvero-batch: --shard " << o.shard << ": "
              << Filled(Tr("lamvero-batch", "dieser Teil enthält keinen Fall (die Studie hat %1 Fälle); er wird als "
                                            "leerer Teil geschrieben, damit --merge alle %2 Teile findet"),
                        {std::to_string(cases->plan->size()), std::to_string(cases->shard.n)})
              << "\n";
  }
  layout.refinement = cases->refinement();
  layout.variedFields = cases->variedFields;
  return RunCases(o, cases.value(), layout);
}

}  // namespace lamvero
