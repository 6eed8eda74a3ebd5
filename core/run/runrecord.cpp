#include "run/runrecord.h"

#include <algorithm>

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

const std::array<SeriesColumn, RunSeries::kCount>& SeriesColumns() {
  static const std::array<SeriesColumn, RunSeries::kCount> columns{{
      {"tReihe", "Zeit", "s", "Zeit", &RunSeries::tReihe, false},
      {"XReihe", "mittlere Wasserbeladung", "kg/kg", "Verlauf der mittleren Wasserbeladung", &RunSeries::XReihe, false},
      {"XOberflReihe", "Wasserbeladung an der Oberfläche", "kg/kg", "Verlauf der Oberflächenfeuchte", &RunSeries::XOberflReihe, false},
      {"XKernReihe", "Wasserbeladung im Kern", "kg/kg", "Verlauf der Kernfeuchte", &RunSeries::XKernReihe, false},
      {"SchwOberflReihe", "lineare Schwindung an der Oberfläche", "%", "Verlauf der Oberflächenschwindung",
       &RunSeries::SchwOberflReihe, true},
      {"SchwKernReihe", "lineare Schwindung im Kern", "%", "Verlauf der Kernschwindung", &RunSeries::SchwKernReihe, true},
      {"ThetaLuftReihe", "Lufttemperatur", "°C", "Verlauf der Lufttemperatur", &RunSeries::ThetaLuftReihe, false},
      {"ThetaObReihe", "Oberflächentemperatur", "°C", "Verlauf der Oberflächentemperatur", &RunSeries::ThetaObReihe, false},
      {"ThetaKReihe", "Kerntemperatur", "°C", "Verlauf der Kerntemperatur", &RunSeries::ThetaKReihe, false},
      {"WasserdampfReihe", "Verdunstungsrate", "kg/(m² h)", "Verlauf der Verdunstungsrate",
       &RunSeries::WasserdampfReihe, false},
      {"SpiegelReihe", "Tiefe des Trocknungsspiegels", "m", "Verlauf des Trocknungsspiegels", &RunSeries::SpiegelReihe, false},
      {"XLuftReihe", "Wasserbeladung der Luft", "kg/kg", "Verlauf der Wasserbeladung der Luft", &RunSeries::XLuftReihe, false},
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
