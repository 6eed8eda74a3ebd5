#include "run/resultquantities.h"

#include <limits>

namespace lamvero {

namespace {

constexpr double kNotReached = std::numeric_limits<double>::quiet_NaN();

// A stage the run did not reach leaves its result at 0; a completed run reached every stage.
double IfEvaluated(const RunRecord& r, double value) {
  return r.outcome == RunOutcome::Completed ? value : kNotReached;
}

}  // namespace

std::vector<ResultQuantity> ResultQuantities(const RunRecord& r) {
  const DerivedValues& d = r.derived;
  const RunResults& x = r.results;
  const bool firstPeriodEnded = x.Dauer1TA > 0;
  return {
      {"XSchwEnde", "txt_XSchwEnde", "kg/kg", d.XSchwEnde},
      {"offPoren", "txt_offPoren", "Vol.-%", 100 * d.offPoren},
      {"LuftRohlingVerh", "txt_LuftRohlingVerh", "kg/kg", d.LuftRohlingVerh},
      {"LuftWasserVerh", "txt_LuftWasserVerh", "kg/kg", d.LuftWasserVerh},
      {"ThetaZuluft", "txt_ThetaZuluft", "°C", IfEvaluated(r, x.ThetaZuluft)},
      {"Zeit", "txt_Zeit", "s", x.Zeit},
      {"ThetaLuft", "txt_momLuftTemp", "°C", x.ThetaLuft},
      {"XLuft", "txt_momXLuft", "kg/kg", x.XLuft},
      {"ThetaOb", "txt_thetaOb", "°C", x.ThetaOb},
      {"ThetaK", "txt_thetaK", "°C", x.ThetaK},
      {"xmom", "txt_xmom", "kg/kg", x.xmom},
      {"qrand", "txt_qrand", "kW/m²", x.qrand},
      {"Wasserdampf", "txt_Wasserdampf", "kg/(m² h)", x.Wasserdampf},
      {"DauerGegenstrom", "txt_DauerGegenstrom", "s", x.DauerGegenstrom},
      {"XGegen", "txt_XGegen", "kg/kg", x.XGegen},
      {"Dauer1TA", "txt_Dauer1TA", "s", firstPeriodEnded ? x.Dauer1TA : kNotReached},
      {"X1TA", "txt_X1TA", "kg/kg", firstPeriodEnded ? x.X1TA : kNotReached},
      {"Anfangsrate", "txt_Anfangsrate", "kg/(m² h)", x.Anfangsrate},
      {"t1xse", "txt_t1xse", "s", x.t1xse > 0 ? x.t1xse : kNotReached},
      {"schwinddiff", "txt_schwinddiff", "%", 100 * x.schwinddiff},
      {"schwindgrad", "txt_schwindgrad", "% pro mm", 0.1 * x.schwindgrad},
      {"t2xse", "txt_t2xse", "s", x.t2xse > 0 ? x.t2xse : kNotReached},
      {"spezEnergie", "txt_spezEnergie", "kJ/kg", IfEvaluated(r, x.spezEnergie)},
      {"relEnergie", "txt_relEnergie", "1", IfEvaluated(r, x.relEnergie)},
      {"AnzOS", "txt_AnzOS", "1", static_cast<double>(d.AnzOS)},
      {"WasserfehlerProzent", "txt_Wasserfehler", "%", IfEvaluated(r, x.WasserfehlerProzent)},
      {"WasserdampfMax", "", "kg/(m² h)", IfEvaluated(r, x.WasserdampfMax)},
      {"XEnde", "", "kg/kg", IfEvaluated(r, x.XEnde)},
      {"DickeTr", "", "mm", 1000 * d.DickeTr},
      {"XAbluft", "", "kg/kg", d.XAbluft},
      {"ThetaKgr", "", "°C", d.ThetaKgr},
      {"XAussen", "", "kg/kg", d.XAussen},
  };
}

const ResultQuantity* FindQuantity(const std::vector<ResultQuantity>& quantities, const std::string& key) {
  for (const ResultQuantity& q : quantities) {
    if (key == q.key) return &q;
  }
  return nullptr;
}

}  // namespace lamvero
