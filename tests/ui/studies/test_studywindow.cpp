// The Studie window driven as a user would: the number of cases and its
// refusals, a study's rows against the runner's, cancelling, refused cases,
// sorting by value, and what a chosen row does in the program window.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <string>
#include <vector>

#include "common/quickinputs.h"
#include "study/studyrunner.h"
#include "study/studywriter.h"
#include "ui/calculator/mainwindow.h"
#include "ui/diagrams/diagramwindow.h"
#include "ui/shell/appwindow.h"
#include "ui/shell/filemenu.h"
#include "ui/studies/studyfilemenu.h"
#include "ui/studies/studyjob.h"
#include "ui/studies/studywindow.h"

namespace lamvero {
namespace {

using testing::QuickInputs;
constexpr int kStudyTimeoutMs = 120000;

// A Studie window with the quick inputs as its base case; warnings and questions recorded.
struct Study {
  StudyWindow w;
  QStringList warnings;
  QStringList questions;
  QMessageBox::StandardButton answer = QMessageBox::Cancel;
  Study() {
    w.setBase(QuickInputs());
    w.setDialogs({[this](const QString& text) { warnings << text; }});
    FileMenu::Dialogs files;
    files.askSave = [this](const QString& text) {
      questions << text;
      return answer;
    };
    files.warn = [this](const QString& text) { warnings << text; };
    w.files().setDialogs(files);
  }
  template <class T = QWidget>
  T* get(const QString& name) {
    T* child = w.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }
  // Sets the n-th varied input (from 1) as the user does: its caption, then a range or a list.
  void vary(int n, Input field, const QString& values) {
    auto* combo = get<QComboBox>(QStringLiteral("cbo_Feld%1").arg(n));
    combo->setCurrentIndex(combo->findData(static_cast<int>(field)));
    const QStringList range = values.split(':');
    get<QComboBox>(QStringLiteral("cbo_Art%1").arg(n))->setCurrentIndex(range.size() == 3 ? 0 : 1);
    if (range.size() == 3) {
      get<QLineEdit>(QStringLiteral("txt_Anfang%1").arg(n))->setText(range[0]);
      get<QLineEdit>(QStringLiteral("txt_Ende%1").arg(n))->setText(range[1]);
      get<QLineEdit>(QStringLiteral("txt_Schritt%1").arg(n))->setText(range[2]);
    } else {
      get<QLineEdit>(QStringLiteral("txt_Liste%1").arg(n))->setText(values);
    }
  }
  QString label(const char* name) { return get<QLabel>(QLatin1String(name))->text(); }
  bool startEnabled() { return get<QPushButton>(QStringLiteral("cmd_Start"))->isEnabled(); }
  void runToEnd() {
    get<QPushButton>(QStringLiteral("cmd_Start"))->click();
    EXPECT_TRUE(w.running());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !w.running(); }, kStudyTimeoutMs));
  }
};

// The runner's CSV of cases first .. first+count-1 of a definition's plan; the window's rows written alike.
class CsvOf : public StudyObserver {
 public:
  CsvOf(std::FILE* out, const StudyPlan& plan, CsvDialect dialect) : writer_(out, Layout(plan, dialect)) {
    writer_.writeHeader();
  }
  bool caseDone(std::size_t ordinal, CaseSummary summary) override { return writer_.writeRow(ordinal + 1, summary); }
  void progress(std::size_t, std::size_t) override {}
  static StudyLayout Layout(const StudyPlan& plan, CsvDialect dialect) {
    StudyLayout layout;
    layout.dialect = dialect;
    layout.variedFields = plan.variedFields();
    return layout;
  }

 private:
  StudyWriter writer_;
};

std::string ReadAll(std::FILE* f) {
  std::rewind(f);
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text.append(buffer, n);
  std::fclose(f);
  return text;
}

std::string RunnerCsv(const StudyDefinition& definition, std::size_t count, CsvDialect dialect = CsvDialect::Plain) {
  const Outcome<StudyPlan> plan = PlanOf(definition);
  EXPECT_TRUE(plan.ok()) << plan.message();
  std::FILE* out = std::tmpfile();
  CsvOf csv(out, plan.value(), dialect);
  StudyRunOptions options;
  options.jobs = 2;
  RunStudy(count, [&](std::size_t i) { return plan.value().caseInputs(i); }, csv, options);
  return ReadAll(out);
}

std::string WindowCsv(const StudyWindow& w) {
  std::FILE* out = std::tmpfile();
  StudyLayout layout;
  layout.variedFields = w.results().variedFields;
  StudyWriter writer(out, layout);
  writer.writeHeader();
  for (const StudyRow& row : w.results().rows) writer.writeRow(row.number, SummaryOf(w.results(), row));
  return ReadAll(out);
}

TEST(StudyWindowPlan, CountsTheCasesAndRefusesWhatCannotRunNamingTheInput) {
  Study s;
  EXPECT_EQ(s.label("lbl_Faelle"), QStringLiteral("1 Fall"));
  s.vary(1, Input::Dicke, QStringLiteral("20:40:5"));
  EXPECT_EQ(s.label("lbl_Faelle"), QStringLiteral("5 Fälle"));
  s.vary(2, Input::Lufttemp, QStringLiteral("35;45,5;55"));
  EXPECT_EQ(s.label("lbl_Faelle"), QStringLiteral("15 Fälle"));
  EXPECT_TRUE(s.startEnabled());

  s.vary(2, Input::Lufttemp, QStringLiteral("35:55:0"));  // a step of nothing
  EXPECT_TRUE(s.label("lbl_Faelle").contains(QStringLiteral("„Ablufttemperatur in °C“"))) << s.label("lbl_Faelle").toStdString();
  EXPECT_FALSE(s.startEnabled());
  EXPECT_FALSE(s.w.start());
  ASSERT_EQ(s.warnings.size(), 1);

  s.vary(2, Input::Dicke, QStringLiteral("10;12"));  // the same input twice
  EXPECT_TRUE(s.label("lbl_Faelle").contains(QStringLiteral("Anfangsdicke der Platte"))) << s.label("lbl_Faelle").toStdString();
  EXPECT_FALSE(s.startEnabled());
  s.get<QComboBox>(QStringLiteral("cbo_Feld2"))->setCurrentIndex(0);  // not varied any more
  EXPECT_EQ(s.label("lbl_Faelle"), QStringLiteral("5 Fälle"));
  EXPECT_TRUE(s.startEnabled());

  // The estimate follows the measured base run: cases × one run / workers.
  ASSERT_TRUE(QTest::qWaitFor([&] { return s.w.secondsPerCase().has_value(); }, kStudyTimeoutMs));
  EXPECT_TRUE(s.label("lbl_Schaetzung").contains(QStringLiteral("%1 Kerne").arg(s.w.workers())))
      << s.label("lbl_Schaetzung").toStdString();
}

TEST(StudyWindowRun, AThreeByTwoStudyGivesTheRunnersRowsSortableByValue) {
  Study s;
  s.vary(1, Input::Dicke, QStringLiteral("4;10;6"));
  s.vary(2, Input::Lufttemp, QStringLiteral("35:40:5"));
  s.runToEnd();
  ASSERT_EQ(s.w.results().rows.size(), 6u);
  EXPECT_FALSE(s.w.cancelled());
  EXPECT_EQ(WindowCsv(s.w), RunnerCsv(s.w.definition(), 6));
  EXPECT_EQ(s.get<QProgressBar>(QStringLiteral("bar_Fortschritt"))->value(), 6);

  // Sorted by thickness, by value: 4 before 6 before 10 (as text, "10" would come first).
  auto* table = s.get<QTableView>(QStringLiteral("tbl_Studie"));
  table->sortByColumn(1, Qt::AscendingOrder);
  QStringList order;
  for (int r = 0; r < table->model()->rowCount(); r += 2) order << table->model()->index(r, 1).data().toString();
  EXPECT_EQ(order, (QStringList{"4", "6", "10"}));
  // A result column sorts by its number too: the drying time grows with the thickness.
  const int zeit = 1 + 2 + 1 + 2;  // Fall, two inputs, Ergebnis, then Dauer1TA, DauerGegenstrom, Zeit
  table->sortByColumn(zeit, Qt::DescendingOrder);
  EXPECT_EQ(table->model()->index(0, 1).data().toString(), QStringLiteral("10"));
  EXPECT_TRUE(table->model()->headerData(zeit, Qt::Horizontal).toString().contains(QStringLiteral("h:mm:ss")));
  // The columns around the inputs and results are headed as the exported table heads them.
  const QAbstractItemModel* m = table->model();
  const int last = m->columnCount() - 1;
  EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Fall"));
  EXPECT_EQ(m->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Ergebnis"));
  EXPECT_EQ(m->headerData(last, Qt::Horizontal).toString(), QStringLiteral("Meldungen"));
}

TEST(StudyWindowRun, ARefusedCaseIsARowWithItsMessageAndTheOthersRun) {
  Study s;
  s.vary(1, Input::Dicke, QStringLiteral("4;0,1;5"));  // 0,1 mm is thinner than one spatial step
  s.runToEnd();
  const std::vector<StudyRow>& rows = s.w.results().rows;
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].outcome, RunOutcome::Completed);
  EXPECT_EQ(rows[1].outcome, RunOutcome::Refused);
  ASSERT_FALSE(rows[1].messages.empty());
  EXPECT_EQ(rows[2].outcome, RunOutcome::Completed);
  auto* table = s.get<QTableView>(QStringLiteral("tbl_Studie"));
  const int messages = table->model()->columnCount() - 1;
  EXPECT_TRUE(table->model()->index(1, messages).data().toString().contains(QString::fromStdString(rows[1].messages[0])));
  EXPECT_EQ(table->model()->index(1, 2).data().toString(), QStringLiteral("nicht gerechnet (Eingaben abgelehnt)"));
  EXPECT_EQ(table->model()->index(1, 3).data().toString(), QStringLiteral("–"));
}

TEST(StudyWindowRun, CancelKeepsTheFirstCasesInOrderWithTheirValues) {
  Study s;
  s.vary(1, Input::Dicke, QStringLiteral("4:60:1"));  // the thicker plates take ever longer
  s.get<QPushButton>(QStringLiteral("cmd_Start"))->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !s.w.results().rows.empty(); }, kStudyTimeoutMs));
  s.get<QPushButton>(QStringLiteral("cmd_Abbrechen"))->click();
  EXPECT_FALSE(s.w.running());
  EXPECT_TRUE(s.w.cancelled());
  const std::size_t kept = s.w.results().rows.size();
  ASSERT_GT(kept, 0u);
  ASSERT_LT(kept, 57u);
  for (std::size_t i = 0; i < kept; ++i) EXPECT_EQ(s.w.results().rows[i].number, i + 1);
  EXPECT_EQ(WindowCsv(s.w), RunnerCsv(s.w.definition(), kept));
  EXPECT_TRUE(s.label("lbl_Zustand").contains(QStringLiteral("abgebrochen"))) << s.label("lbl_Zustand").toStdString();
  QTest::qWait(2 * StudyJob::kBatchMs);  // nothing arrives after the cancel
  EXPECT_EQ(s.w.results().rows.size(), kept);
  EXPECT_TRUE(s.startEnabled());
}

TEST(StudyWindowRun, ManyQuickCasesReachTheWindowInBatches) {
  StudyJob job;
  std::size_t batches = 0, rows = 0;
  bool ended = false;
  QObject::connect(&job, &StudyJob::rowsArrived, [&](const std::vector<StudyRow>& batch) {
    ++batches;
    rows += batch.size();
  });
  QObject::connect(&job, &StudyJob::finished, [&](bool, const QString&) { ended = true; });
  StudyDefinition d;
  d.base = QuickInputs();
  d.varied = {{Input::Dicke, "0,001:0,1:0,001"}, {Input::Lufttemp, "20:29:1"}};  // 1000 refused at once
  const Outcome<StudyPlan> plan = PlanOf(d);
  ASSERT_TRUE(plan.ok());
  job.start(plan.value(), 2);
  ASSERT_TRUE(QTest::qWaitFor([&] { return ended; }, kStudyTimeoutMs));
  EXPECT_EQ(rows, 1000u);
  EXPECT_LT(batches, 100u);
}

std::string FileText(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll().toStdString();
}

// A 3 × 2 study of the quick plate, run to its end.
void RunThreeByTwo(Study& s) {
  s.vary(1, Input::Dicke, QStringLiteral("4;5;6"));
  s.vary(2, Input::Lufttemp, QStringLiteral("35:40:5"));
  s.runToEnd();
  ASSERT_EQ(s.w.results().rows.size(), 6u);
}

TEST(StudyWindowFiles, ASavedStudyOpensWithItsRowsWithoutRunningAgain) {
  QTemporaryDir dir;
  Study s;
  RunThreeByTwo(s);
  EXPECT_FALSE(s.w.files().saved());
  const QString path = dir.filePath(QStringLiteral("dicke.lamvero-studie"));
  ASSERT_TRUE(s.w.files().save(path)) << s.warnings.join('\n').toStdString();
  EXPECT_TRUE(s.w.files().saved());

  Study other;
  ASSERT_TRUE(other.w.files().open(path)) << other.warnings.join('\n').toStdString();
  EXPECT_FALSE(other.w.running());
  EXPECT_EQ(WindowCsv(other.w), WindowCsv(s.w));
  EXPECT_EQ(other.w.definition().varied.size(), 2u);
  EXPECT_EQ(other.w.definition().varied[1].values, "35:40:5");
  EXPECT_EQ(other.w.definition().base[Input::deltaT], "2");
  EXPECT_EQ(other.label("lbl_Faelle"), QStringLiteral("6 Fälle"));

  // A file that is no study is refused and changes nothing.
  const QString junk = dir.filePath(QStringLiteral("junk.lamvero-studie"));
  QFile f(junk);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("{\"format\": \"lamvero-case\"}");
  f.close();
  EXPECT_FALSE(other.w.files().open(junk));
  EXPECT_EQ(other.warnings.size(), 1);
  EXPECT_EQ(other.w.results().rows.size(), 6u);
}

TEST(StudyWindowFiles, TheTableIsTheRunnersCsvInBothDialectsAndTheRunnersOutputReadsBack) {
  QTemporaryDir dir;
  Study s;
  RunThreeByTwo(s);
  for (CsvDialect dialect : {CsvDialect::Plain, CsvDialect::German}) {
    const QString path = dir.filePath(QStringLiteral("tabelle.csv"));
    ASSERT_TRUE(s.w.files().exportTable(path, dialect));
    EXPECT_EQ(FileText(path), RunnerCsv(s.w.definition(), 6, dialect));
  }

  const QString output = dir.filePath(QStringLiteral("runner.csv"));
  QFile f(output);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray::fromStdString(RunnerCsv(s.w.definition(), 6)));
  f.close();
  Study reader;
  reader.w.setDefinition(s.w.definition());
  ASSERT_TRUE(reader.w.files().readOutput(output)) << reader.warnings.join('\n').toStdString();
  EXPECT_EQ(WindowCsv(reader.w), WindowCsv(s.w));
  EXPECT_FALSE(reader.w.files().saved());

  // Against another study the output is refused and the rows stay.
  Study mismatch;
  mismatch.vary(1, Input::Dicke, QStringLiteral("7;8;9"));
  EXPECT_FALSE(mismatch.w.files().readOutput(output));
  EXPECT_EQ(mismatch.warnings.size(), 1);
  EXPECT_TRUE(mismatch.w.results().rows.empty());
}

TEST(StudyWindowFiles, ANewStartAsksBeforeReplacingResultsNotSaved) {
  Study s;
  RunThreeByTwo(s);
  EXPECT_FALSE(s.w.start());  // Abbrechen in the question
  ASSERT_EQ(s.questions.size(), 1);
  EXPECT_EQ(s.w.results().rows.size(), 6u);
  s.answer = QMessageBox::Discard;
  ASSERT_TRUE(s.w.start());
  EXPECT_EQ(s.questions.size(), 2);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !s.w.running(); }, kStudyTimeoutMs));
}

// The program window with its Studie window, whose questions are recorded and answered.
struct Program {
  AppWindow app;
  QStringList questions;
  QMessageBox::StandardButton answer = QMessageBox::Cancel;
  Program() {
    FileMenu::Dialogs dialogs;
    dialogs.askSave = [this](const QString& text) {
      questions << text;
      return answer;
    };
    dialogs.warn = [](const QString&) {};
    app.fileActions().setDialogs(dialogs);
    app.area().setInputs(QuickInputs());
  }
};

TEST(StudyWindowRows, AChosenCaseOpensInTheProgramWindowAskingFirstAboutUnsavedInputs) {
  Program p;
  p.app.action(QStringLiteral("act_Studie"))->trigger();
  StudyWindow& w = p.app.showStudies();
  QStringList warnings;
  w.setDialogs({[&](const QString& text) { warnings << text; }});
  EXPECT_EQ(p.app.action(QStringLiteral("act_Studie"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+T")));
  EXPECT_EQ(w.definition().base[Input::Dicke], "4");  // the program window's boxes are the base case
  auto* list = w.findChild<QComboBox*>(QStringLiteral("cbo_Feld1"));
  list->setCurrentIndex(list->findData(static_cast<int>(Input::Dicke)));
  w.findChild<QComboBox*>(QStringLiteral("cbo_Art1"))->setCurrentIndex(1);
  w.findChild<QLineEdit*>(QStringLiteral("txt_Liste1"))->setText(QStringLiteral("4;5;0,1"));
  ASSERT_TRUE(w.start());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !w.running(); }, kStudyTimeoutMs));
  ASSERT_EQ(w.results().rows.size(), 3u);

  // The boxes hold unsaved inputs: cancelling the question leaves them.
  w.openCase(1);
  EXPECT_EQ(p.questions.size(), 1);
  EXPECT_EQ(p.app.area().inputs()[Input::Dicke], "4");
  p.answer = QMessageBox::Discard;
  w.openCase(1);
  EXPECT_EQ(p.app.area().inputs()[Input::Dicke], "5");
  EXPECT_EQ(p.app.area().inputs()[Input::deltaT], "2");  // the rest is the study's base case

  // Into the diagrams: the case is run with its series, under a label naming its values.
  const std::size_t before = p.app.diagrams().runs().entries().size();
  w.addCaseToDiagrams(0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return p.app.diagrams().runs().entries().size() > before; }, kStudyTimeoutMs));
  const RunEntry& added = p.app.diagrams().runs().entries().back();
  EXPECT_EQ(added.label, QStringLiteral("Studie, Fall 1: Anfangsdicke der Platte = 4 mm"));
  EXPECT_TRUE(added.hasSeries());
  EXPECT_TRUE(warnings.isEmpty());
  // A refused case has no run to show: the window says why instead.
  w.addCaseToDiagrams(2);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !warnings.isEmpty(); }, kStudyTimeoutMs));
  EXPECT_TRUE(warnings.front().startsWith(QStringLiteral("Studie, Fall 3"))) << warnings.front().toStdString();
  EXPECT_EQ(p.app.diagrams().runs().entries().size(), before + 1);
}

}  // namespace
}  // namespace lamvero
