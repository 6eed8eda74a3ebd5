#include "present/accuracyview.h"

#include <cmath>

#include "text/language.h"
#include "text/numberformat.h"
#include "text/trim.h"

namespace lamvero {

namespace {

// The fullest caption the tables have: "Dauer der Gegenstromtrocknung in h:mm:ss".
std::string Caption(const ResultDescriptor& d) { return WithoutTrailingBlanks(Tr("Ergebnisse", d.fullCaption())); }

std::string SignedValueText(const ResultDescriptor& d, double change) {
  return (change < 0 ? "-" : "+") + AccuracyValueText(d, std::fabs(change));
}

std::string SignedPercentText(double percent) { return (percent > 0 ? "+" : "") + AccuracyPercentText(percent); }

std::string OrderText(const AccuracyResult& r) {
  if (r.convergence == Convergence::TwoLevels) {
    return Filled(Tr("Genauigkeit", "angenommen %1"), {FormatSignificant(kAssumedOrder, 2)});
  }
  return std::isnan(r.order) ? "" : FormatSignificant(r.order, 2);
}

std::string ErrorText(const AccuracyResult& r) {
  switch (r.convergence) {
    case Convergence::NotReached: return Tr("Genauigkeit", "auf keiner Stufe erreicht");
    case Convergence::Undetermined: return Tr("Genauigkeit", "nicht bestimmbar");
    default:
      return std::isnan(r.errorPercent) ? Tr("Genauigkeit", "nicht bestimmbar") : AccuracyPercentText(r.errorPercent);
  }
}

}  // namespace

std::string AccuracyValueText(const ResultDescriptor& d, double value) {
  if (std::isnan(value)) return "";
  if (d.isDuration()) return (std::signbit(value) ? "-" : "") + FormatDuration(std::fabs(value)).substr(1);
  return FormatSignificant(value, 5) + (std::string(d.unit) == "1" ? "" : " " + Tr("Ergebnisse", d.unit));
}

std::string AccuracyPercentText(double percent) { return FormatSignificant(percent, 2) + " %"; }

std::string AccuracyLevelsText(const AccuracyEstimate& estimate) {
  std::string out;
  for (const AccuracyLevel& l : estimate.levels) {
    out += (out.empty() ? "" : ", ") + ShownInputText(l.deltaT) + " s/" + ShownInputText(l.Ortsschrittweite) + " mm";
  }
  return out;
}

double RunDeviationPercent(const AccuracyResult& r) {
  if (r.values.empty() || !std::isfinite(r.extrapolated) || r.extrapolated == 0) return std::nan("");
  return 100 * (r.values.front() - r.extrapolated) / std::fabs(r.extrapolated);
}

std::vector<AccuracyRowTexts> AccuracyRows(const AccuracyEstimate& estimate) {
  std::vector<AccuracyRowTexts> rows;
  for (const AccuracyResult& r : estimate.results) {
    const ResultDescriptor& d = ResultOf(r.key);
    AccuracyRowTexts row;
    row.caption = Caption(d);
    if (!r.values.empty()) row.runValue = AccuracyValueText(d, r.values.front());
    if (!r.values.empty()) row.value = AccuracyValueText(d, r.values.back());
    if (std::isfinite(RunDeviationPercent(r))) row.runDeviation = SignedPercentText(RunDeviationPercent(r));
    const bool estimated = r.convergence != Convergence::NotReached && r.convergence != Convergence::Undetermined;
    if (estimated && !std::isnan(r.change())) row.change = SignedValueText(d, r.change());
    if (estimated) row.order = OrderText(r);
    if (estimated) row.extrapolated = AccuracyValueText(d, r.extrapolated);
    row.error = ErrorText(r);
    row.exceeds = r.exceeds;
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string AccuracySummary(const AccuracyEstimate& estimate) {
  const std::string tolerance = AccuracyPercentText(estimate.tolerancePercent);
  std::string over;
  int exceeding = 0, within = 0;
  for (const AccuracyResult& r : estimate.results) {
    if (r.exceeds) {
      ++exceeding;
      over += (over.empty() ? "" : ", ") + Caption(ResultOf(r.key)) + ": " + AccuracyPercentText(r.errorPercent);
    } else if (std::isfinite(r.errorPercent)) {
      ++within;
    }
  }
  const int without = static_cast<int>(estimate.results.size()) - exceeding - within;
  std::string counts;
  const auto add = [&counts](const std::string& part) { counts += (counts.empty() ? "" : ", ") + part; };
  const std::string n = std::to_string(exceeding);
  if (exceeding == 1) add(Filled(Tr("Genauigkeit", "%1 Kennergebnis über %2 (%3)"), {n, tolerance, over}));
  if (exceeding > 1) add(Filled(Tr("Genauigkeit", "%1 Kennergebnisse über %2 (%3)"), {n, tolerance, over}));
  if (within > 0) add(Filled(Tr("Genauigkeit", "%1 innerhalb %2"), {std::to_string(within), tolerance}));
  if (without > 0) add(Filled(Tr("Genauigkeit", "%1 ohne Schätzung"), {std::to_string(without)}));
  std::string line = Filled(Tr("Genauigkeit", "Genauigkeit: %1"), {counts});
  const AccuracyResult* largest = nullptr;
  for (const AccuracyResult& r : estimate.results) {
    const double deviation = std::fabs(RunDeviationPercent(r));
    if (std::isfinite(deviation) && (!largest || deviation > std::fabs(RunDeviationPercent(*largest)))) largest = &r;
  }
  if (largest) {
    line += Filled(Tr("Genauigkeit", "; diese Rechnung bis %1 (%2)"),
                   {SignedPercentText(RunDeviationPercent(*largest)), Caption(ResultOf(largest->key))});
  }
  return line;
}

}  // namespace lamvero
