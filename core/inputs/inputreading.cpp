#include "inputs/inputreading.h"

#include <climits>
#include <cmath>

#include "text/numberformat.h"
#include "text/parsenumber.h"

namespace lamvero {

InputReading ReadInputs(const InputTexts& texts) {
  InputReading r;
  for (const InputField& f : InputFields()) {
    const std::optional<double> x = ParseNumber(texts[f.id]);
    if (x && std::isfinite(*x)) r.typed[static_cast<std::size_t>(f.id)] = x;
  }
  const auto typed = [&r](Input id) { return r[id].value_or(0.0); };
  InputValues& v = r.values;
  v.Dicke = typed(Input::Dicke);
  v.rhos = typed(Input::rhos);
  v.XAnf = typed(Input::XAnf);
  v.linTrSchwind = typed(Input::linTrSchwind);
  v.Feuchteleit = typed(Input::Feuchteleit) * 1e-9;  // typed in 10^-9 m²/s
  v.lambda = typed(Input::lambda) / 1000;            // typed in W/(m K)
  v.mue = typed(Input::mue);
  v.Waermeuebergang = typed(Input::Waermeuebergang) / 1000;  // typed in W/(m² K)
  v.ThetaEinf = typed(Input::ThetaEinf);
  v.AussenluftTemp = typed(Input::AussenluftTemp);
  v.AussenluftFeuchte = typed(Input::AussenluftFeuchte) / 100;  // typed in %
  v.Lufttemp = typed(Input::Lufttemp);
  v.AbluftFeuchte = typed(Input::AbluftFeuchte) / 100;  // typed in %
  v.ThetaGegenstromende = typed(Input::ThetaGegenstromende);
  v.Ortsschrittweite = typed(Input::Ortsschrittweite);
  v.deltaT = typed(Input::deltaT);
  v.rund = typed(Input::rund);
  v.KappaSteig = typed(Input::KappaSteig);
  return r;
}

std::string SpatialStepsText(double Dicke, double Ortsschrittweite) {
  return Format(Dicke / Ortsschrittweite / 2, "#0");
}

double SpatialStepsFrom(const std::string& text) { return ParseNumber(text).value_or(0.0); }

int SpatialStepCount(const std::string& text) {
  const double steps = SpatialStepsFrom(text);
  if (!(steps > INT_MIN && steps < INT_MAX)) return 0;
  return static_cast<int>(steps);
}

}  // namespace lamvero
