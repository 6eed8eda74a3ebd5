#include "ui/shell/runstatus.h"

#include <cmath>

#include "text/numberformat.h"
#include "ui/calculator/mainwindow.h"
#include "ui/calculator/runcontroller.h"
#include "ui/shell/casedocument.h"
#include "ui/shell/statuslines.h"

namespace lamvero {

namespace {

struct EarlyEnd {
  RunOutcome outcome;
  const char* verb;
  const char* reason;
};

constexpr EarlyEnd kEarlyEnds[] = {
    {RunOutcome::Stopped, QT_TRANSLATE_NOOP("lamvero::RunStatus", "angehalten"), QT_TRANSLATE_NOOP("lamvero::RunStatus", "Stop")},
    {RunOutcome::SeriesFull, QT_TRANSLATE_NOOP("lamvero::RunStatus", "angehalten"),
     QT_TRANSLATE_NOOP("lamvero::RunStatus", "Zeitreihen voll")},
    {RunOutcome::Failed, QT_TRANSLATE_NOOP("lamvero::RunStatus", "abgebrochen"),
     QT_TRANSLATE_NOOP("lamvero::RunStatus", "Feuchteprofil nicht mehr endlich")},
};

}  // namespace

RunStatus::RunStatus(CaseDocument& document, MainWindow& area, StatusLines& status, QObject* parent)
    : QObject(parent), document_(document), status_(status) {
  connect(&area, &MainWindow::runEnded, this, [this, &area](const RunResult& result) {
    if (result.outcome != RunOutcome::Refused) status_.set(QLatin1String(kLine), EndedEarly(area.lastRun()));
  });
  // A new run and Nochmal leave the area without the run the line speaks of.
  connect(&area.runController(), &RunController::phaseChanged, this, [this](RunPhase phase) {
    if (phase == RunPhase::Running || phase == RunPhase::Idle) status_.set(QLatin1String(kLine), QString());
  });
  connect(&document_, &CaseDocument::opened, this, &RunStatus::opened);
}

QString RunStatus::EndedEarly(const RunRecord& record) {
  for (const EarlyEnd& e : kEarlyEnds) {
    if (record.outcome != e.outcome) continue;
    const RunSeries& s = record.series;
    if (s.nReihe < 0 || static_cast<std::size_t>(s.nReihe) >= s.tReihe.capacity()) {
      return tr("Lauf %1 (%2)").arg(tr(e.verb), tr(e.reason));
    }
    const QString when = QString::fromStdString(FormatDuration(std::floor(s.tReihe[s.nReihe] + 0.5))).trimmed();
    return tr("Lauf %1 nach %2 (%3)").arg(tr(e.verb), when, tr(e.reason));
  }
  return {};
}

QString RunStatus::OfOpenedRun(const RunRecord& record, bool hasSeries) {
  const QString early = EndedEarly(record);
  if (!early.isEmpty() || hasSeries) return early;
  return tr("Die Datei enthält keine Zeitreihen; Diagramme nach einem neuen Lauf");
}

void RunStatus::opened() {
  const auto& run = document_.run();
  status_.set(QLatin1String(kLine), run ? OfOpenedRun(run->record, run->hasSeries()) : QString());
}

}  // namespace lamvero
