#include "run/runrecord.h"

#include <algorithm>

#include "text/language.h"

namespace lamvero {

const char* RunOutcomeName(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::Completed: return "Completed";
    case RunOutcome::Refused: return "Refused";
    case RunOutcome::Stopped: return "Stopped";
    case RunOutcome::SeriesFull: return "SeriesFull";
    case RunOutcome::Failed: return "Failed";
  }
  return "";
}

std::optional<RunOutcome> RunOutcomeNamed(std::string_view name) {
  for (RunOutcome o : {RunOutcome::Completed, RunOutcome::Refused, RunOutcome::Stopped, RunOutcome::SeriesFull,
                       RunOutcome::Failed}) {
    if (name == RunOutcomeName(o)) return o;
  }
  return std::nullopt;
}

Series Series::head(std::size_t n) const {
  Series copy(n);
  if (n > 0) std::copy(v_.get(), v_.get() + n, copy.v_.get());
  return copy;
}

const std::vector<std::string>& ShownMessages(const RunRecord& record) {
  return record.shownMessages.empty() ? record.messages : record.shownMessages;
}

const std::array<SeriesColumn, RunSeries::kCount>& SeriesColumns() {
  static const std::array<SeriesColumn, RunSeries::kCount> columns{{
      {"tReihe", LV_TR_NOOP("Ergebnisse", "Zeit"), "s", LV_TR_NOOP("Ergebnisse", "Zeit"), &RunSeries::tReihe, false},
      {"XReihe", LV_TR_NOOP("Ergebnisse", "mittlere Wasserbeladung"), "kg/kg",
       LV_TR_NOOP("Ergebnisse", "Verlauf der mittleren Wasserbeladung"), &RunSeries::XReihe, false},
      {"XOberflReihe", LV_TR_NOOP("Ergebnisse", "Wasserbeladung an der Oberfläche"), "kg/kg",
       LV_TR_NOOP("Ergebnisse", "Verlauf der Oberflächenfeuchte"), &RunSeries::XOberflReihe, false},
      {"XKernReihe", LV_TR_NOOP("Ergebnisse", "Wasserbeladung im Kern"), "kg/kg",
       LV_TR_NOOP("Ergebnisse", "Verlauf der Kernfeuchte"), &RunSeries::XKernReihe, false},
      {"SchwOberflReihe", LV_TR_NOOP("Ergebnisse", "lineare Schwindung an der Oberfläche"), "%",
       LV_TR_NOOP("Ergebnisse", "Verlauf der Oberflächenschwindung"), &RunSeries::SchwOberflReihe, true},
      {"SchwKernReihe", LV_TR_NOOP("Ergebnisse", "lineare Schwindung im Kern"), "%",
       LV_TR_NOOP("Ergebnisse", "Verlauf der Kernschwindung"), &RunSeries::SchwKernReihe, true},
      {"ThetaLuftReihe", LV_TR_NOOP("Ergebnisse", "Lufttemperatur"), "°C",
       LV_TR_NOOP("Ergebnisse", "Verlauf der Lufttemperatur"), &RunSeries::ThetaLuftReihe, false},
      {"ThetaObReihe", LV_TR_NOOP("Ergebnisse", "Oberflächentemperatur"), "°C",
       LV_TR_NOOP("Ergebnisse", "Verlauf der Oberflächentemperatur"), &RunSeries::ThetaObReihe, false},
      {"ThetaKReihe", LV_TR_NOOP("Ergebnisse", "Kerntemperatur"), "°C",
       LV_TR_NOOP("Ergebnisse", "Verlauf der Kerntemperatur"), &RunSeries::ThetaKReihe, false},
      {"WasserdampfReihe", LV_TR_NOOP("Ergebnisse", "Verdunstungsrate"), "kg/(m² h)",
       LV_TR_NOOP("Ergebnisse", "Verlauf der Verdunstungsrate"), &RunSeries::WasserdampfReihe, false},
      {"SpiegelReihe", LV_TR_NOOP("Ergebnisse", "Tiefe des Trocknungsspiegels"), "m",
       LV_TR_NOOP("Ergebnisse", "Verlauf des Trocknungsspiegels"), &RunSeries::SpiegelReihe, false},
      {"XLuftReihe", LV_TR_NOOP("Ergebnisse", "Wasserbeladung der Luft"), "kg/kg",
       LV_TR_NOOP("Ergebnisse", "Verlauf der Wasserbeladung der Luft"), &RunSeries::XLuftReihe, false},
  }};
  return columns;
}

RunSeries RunSeries::WithFullCapacity() { return WithCapacity(kSeriesCapacity); }

RunSeries RunSeries::WithCapacity(std::size_t capacity) {
  RunSeries s;
  for (const SeriesColumn& c : SeriesColumns()) s.*c.member = Series(capacity);
  return s;
}

RunSeries::RunSeries(const RunSeries& other) { copyFrom(other); }

RunSeries& RunSeries::operator=(const RunSeries& other) {
  if (this != &other) copyFrom(other);
  return *this;
}

void RunSeries::copyFrom(const RunSeries& other) {
  nReihe = other.nReihe;
  nReihe1TA = other.nReihe1TA;
  for (const SeriesColumn& c : SeriesColumns()) {
    const Series& from = other.*c.member;
    // Only the stored points: the rest of a run's series was never written.
    const std::size_t n = std::min(static_cast<std::size_t>(std::max(other.points(), 0)), from.capacity());
    this->*c.member = from.head(n);
  }
}

}  // namespace lamvero
