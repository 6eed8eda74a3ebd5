// A default run through the real window (offscreen) against the same run
// without any display: what showing a run costs. The window runs on its own
// thread and hands its texts and drawings to the window's thread in frames,
// so it should stay within a quarter of the headless run's time.

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <numeric>
#include <vector>
#include <memory>

#include "present/displayedrun.h"
#include "ui/diagrams/chartpanel.h"
#include "present/controltable.h"
#include "ui/diagrams/diagramwindow.h"
#include "ui/calculator/mainwindow.h"
#include "ui/shell/accuracycontrol.h"
#include "ui/shell/appwindow.h"
#include "ui/shell/casedocument.h"
#include "ui/report/report.h"
#include "ui/studies/studycolourmap.h"
#include "ui/studies/studyplotpane.h"
#include "ui/studies/studywindow.h"
#include "common/quickinputs.h"
#include "study/studydefinition.h"

namespace {

// Google Benchmark owns main(), so the one QApplication is made on first use.
QApplication& App() {
  static int argc = 1;
  static char name[] = "lamvero_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: at exit Qt's own globals may already be gone.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Runs the window's inputs as Start does and handles the window's events until the run has ended.
lamvero::RunResult RunInWindow(lamvero::MainWindow& window) {
  lamvero::RunResult result;
  QEventLoop wait;
  const QMetaObject::Connection ended =
      QObject::connect(&window, &lamvero::MainWindow::runEnded, &wait, [&](const lamvero::RunResult& r) {
        result = r;
        wait.quit();
      });
  if (window.runStart()) wait.exec();
  QObject::disconnect(ended);
  return result;
}

void BM_DefaultRunHeadless(benchmark::State& state) {
  App();
  auto s = std::make_unique<lamvero::RunState>();
  lamvero::NullDisplay none;
  const lamvero::InputTexts inputs = lamvero::InputTexts::Defaults();
  for (auto _ : state) {
    const lamvero::RunResult r = lamvero::RunOnDisplay(*s, inputs, none);
    if (r.outcome != lamvero::RunOutcome::Completed) state.SkipWithError("run did not complete");
    benchmark::DoNotOptimize(s->now.Zeit);
  }
}
BENCHMARK(BM_DefaultRunHeadless)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_DefaultRunWindow(benchmark::State& state) {
  App();
  lamvero::MainWindow window;
  window.show();
  QApplication::processEvents();
  for (auto _ : state) {
    const lamvero::RunResult r = RunInWindow(window);
    if (r.outcome != lamvero::RunOutcome::Completed) state.SkipWithError("run did not complete");
    benchmark::DoNotOptimize(window.runState().now.Zeit);
  }
}
BENCHMARK(BM_DefaultRunWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// CPU time of the process in ms (the window's run takes two threads): the
// machine may be busy with other work.
double ProcessCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Both runs alternately in the same iterations; the counter "ratio" is the
// window run's CPU time (its run's thread and the window's) over the headless run's.
void BM_WindowOverHeadless(benchmark::State& state) {
  App();
  auto s = std::make_unique<lamvero::RunState>();
  lamvero::NullDisplay none;
  const lamvero::InputTexts inputs = lamvero::InputTexts::Defaults();
  lamvero::MainWindow window;
  window.show();
  QApplication::processEvents();
  double headless = 0, shown = 0;
  for (auto _ : state) {
    const double t0 = ProcessCpuMs();
    lamvero::RunOnDisplay(*s, inputs, none);
    const double t1 = ProcessCpuMs();
    RunInWindow(window);
    const double t2 = ProcessCpuMs();
    headless += t1 - t0;
    shown += t2 - t1;
  }
  state.counters["headless_ms"] = headless / state.iterations();
  state.counters["window_ms"] = shown / state.iterations();
  state.counters["ratio"] = shown / headless;
}
BENCHMARK(BM_WindowOverHeadless)->Unit(benchmark::kMillisecond)->MinTime(4.0);

// The diagrams window drawing a default run (about 44 000 points per series)
// in every chart and the table: what a finished run costs there. The counters
// give the points stored and the points the moisture chart draws.
void BM_DiagramsDefaultRun(benchmark::State& state) {
  App();
  lamvero::NullDisplay none;
  const lamvero::RunRecord record = lamvero::RunCaseOnDisplay(lamvero::InputTexts::Defaults(), none);
  lamvero::DiagramWindow window;
  window.show();
  QApplication::processEvents();
  const int id = window.addSessionRun(record);
  for (auto _ : state) {
    window.setShown(id, false);
    window.setShown(id, true);
    QApplication::processEvents();
  }
  lamvero::ChartPanel& moisture = window.chart(lamvero::ChartKind::Moisture);
  state.counters["stored_points"] = record.series.points();
  state.counters["drawn_points_per_curve"] = moisture.drawnPoints() / 3.0;
}
BENCHMARK(BM_DiagramsDefaultRun)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// How promptly the window answers while the accuracy estimate of its default
// run computes in the background (arg 1) and while nothing does (arg 0): a
// 10 ms timer's lateness over two seconds after the run. Counters: mean and
// largest lateness in ms, and (arg 1) the seconds until the estimate arrived.
void BM_WindowLatencyDuringEstimate(benchmark::State& state) {
  App();
  QCoreApplication::setOrganizationName(QStringLiteral("LamveroBench"));
  const bool estimating = state.range(0) == 1;
  double meanLate = 0, maxLate = 0, estimateSeconds = 0;
  for (auto _ : state) {
    lamvero::AppWindow app;
    app.accuracy().setAutomatic(estimating);
    app.show();
    QApplication::processEvents();
    if (RunInWindow(app.area()).outcome != lamvero::RunOutcome::Completed) state.SkipWithError("run did not complete");
    QElapsedTimer clock;
    clock.start();
    std::vector<double> late;
    QTimer tick;
    qint64 last = clock.elapsed();
    QObject::connect(&tick, &QTimer::timeout, [&] {
      const qint64 now = clock.elapsed();
      late.push_back(static_cast<double>(now - last - 10));
      last = now;
    });
    tick.start(10);
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    tick.stop();
    for (double l : late) maxLate = std::max(maxLate, l);
    meanLate += std::accumulate(late.begin(), late.end(), 0.0) / static_cast<double>(late.size());
    while (estimating && app.accuracy().busy()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (estimating && !app.document().run()->accuracy) state.SkipWithError("no estimate");
    estimateSeconds += clock.elapsed() / 1e3;
  }
  state.counters["mean_late_ms"] = meanLate / state.iterations();
  state.counters["max_late_ms"] = maxLate;
  if (estimating) state.counters["estimate_s"] = estimateSeconds / state.iterations();
}
BENCHMARK(BM_WindowLatencyDuringEstimate)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

// Writing the two-page report of a default run as a PDF (both plots as
// vectors); counters: the file's size and the memory of the profiles the
// record keeps for the profile plot.
void BM_DefaultReportPdf(benchmark::State& state) {
  App();
  lamvero::NullDisplay none;
  lamvero::DisplayRunOptions options;
  options.controlsAtOpen = lamvero::ControlAtOpen;
  const lamvero::RunRecord record = lamvero::RunCaseOnDisplay(lamvero::InputTexts::Defaults(), none, options);
  const QString path = QDir::temp().filePath(QStringLiteral("lamvero_bench_report.pdf"));
  lamvero::ReportInfo info;
  info.title = QStringLiteral("Bench");
  const lamvero::Report report(record, info);
  for (auto _ : state) {
    if (!report.writePdf(path)) state.SkipWithError("report not written");
  }
  state.counters["pdf_kB"] = QFileInfo(path).size() / 1024.0;
  state.counters["profiles_kB"] = record.profiles.X.size() * sizeof(double) / 1024.0;
  state.counters["curves"] = static_cast<double>(record.profiles.count());
  QFile::remove(path);
}
BENCHMARK(BM_DefaultReportPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The study charts over a study of 100 × 100 cases as rows arrive: the
// drawing of all 10 000 (curves, colour map) after the last batch, which is
// what a throttled refresh costs at most a few times a second. Counter: the
// points the curves draw (every 97th case failed: a gap).
void BM_StudyChartsOf10000Rows(benchmark::State& state) {
  App();
  lamvero::StudyResults results;
  results.variedFields = {lamvero::Input::Dicke, lamvero::Input::Lufttemp};
  for (int i = 0; i < 100; ++i) {
    for (int j = 0; j < 100; ++j) {
      lamvero::StudyRow row;
      row.number = results.rows.size() + 1;
      row.varied = {std::to_string(4 + i), std::to_string(20 + j)};
      row.outcome = (i * 100 + j) % 97 == 0 ? lamvero::RunOutcome::Failed : lamvero::RunOutcome::Completed;
      row.values.fill(0.1 * i + 0.01 * j);
      results.rows.push_back(row);
    }
  }
  lamvero::StudyPlotPane pane;
  pane.resize(900, 560);
  pane.show();
  auto* colourMap = pane.findChild<lamvero::StudyColourMap*>();
  double rebuild = 0, curves = 0, map = 0;
  QElapsedTimer clock;
  for (auto _ : state) {
    clock.start();
    pane.showResults(&results);
    rebuild += clock.nsecsElapsed() / 1e6;
    clock.start();
    pane.grab();
    curves += clock.nsecsElapsed() / 1e6;
    clock.start();
    colourMap->grab();
    map += clock.nsecsElapsed() / 1e6;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["rebuild_ms"] = rebuild / n;
  state.counters["curves_paint_ms"] = curves / n;
  state.counters["map_paint_ms"] = map / n;
  state.counters["points"] = pane.findChild<lamvero::ChartPanel*>()->drawnPoints();
}
BENCHMARK(BM_StudyChartsOf10000Rows)->Unit(benchmark::kMillisecond)->MinTime(2.0);

namespace {

// A study of 10 000 quick cases in the Studie window, as a user starts it:
// the cases per second on every usable core, how late a 10 ms timer fires
// while the rows arrive (mean and largest lateness in ms: the window's answer
// to a resize or a menu), and the process's peak memory afterwards, its rows,
// table and charts included.
void BM_StudyWindowOf10000QuickCases(benchmark::State& state) {
  App();
  QCoreApplication::setOrganizationName(QStringLiteral("LamveroBench"));
  double meanLate = 0, maxLate = 0, seconds = 0;
  for (auto _ : state) {
    lamvero::StudyWindow window;
    window.show();
    lamvero::StudyDefinition definition;
    definition.base = lamvero::testing::QuickInputs();
    // The temperature of the entering bodies enters only the energy balance: every case is as long.
    definition.varied = {{lamvero::Input::ThetaEinf, "0:49,995:0,005"}};
    window.setDefinition(definition);
    QElapsedTimer clock;
    clock.start();
    if (!window.start()) {
      state.SkipWithError("the study did not start");
      return;
    }
    std::vector<double> late;
    qint64 last = clock.elapsed();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
      const qint64 now = clock.elapsed();
      late.push_back(static_cast<double>(now - last - 10));
      last = now;
    });
    tick.start(10);
    while (window.running()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    tick.stop();
    seconds += clock.elapsed() / 1e3;
    if (window.results().rows.size() != 10000) state.SkipWithError("not every case arrived");
    for (double l : late) maxLate = std::max(maxLate, l);
    if (!late.empty()) meanLate += std::accumulate(late.begin(), late.end(), 0.0) / static_cast<double>(late.size());
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["cases_per_s"] = 10000 * n / seconds;
  state.counters["mean_late_ms"] = meanLate / n;
  state.counters["max_late_ms"] = maxLate;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
BENCHMARK(BM_StudyWindowOf10000QuickCases)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

}  // namespace
