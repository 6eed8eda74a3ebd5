#include "model/inputs.h"

namespace lamvero {

namespace {
// Captions carry their trailing blanks exactly as the window shows them.
const std::array<InputField, kInputCount> kFields{{
    {Input::Dicke, "txt_Dicke", "lbl_Dicke", "Anfangsdicke der Platte in mm", "20,0"},
    {Input::rhos, "txt_rhos", "lbl_rhos", "Dichte der getrockneten Masse in kg/m³", "1850"},
    {Input::XAnf, "txt_XAnf", "lbl_Wassergehalt", "Anfangswasserbeladung in kg/kg atro", "0,25"},
    {Input::linTrSchwind, "txt_linTrSchwind", "lbl_linTrSchwind", "lineare Trockenschwindung in %", "6,2"},
    {Input::Feuchteleit, "txt_Feuchteleit", "lbl_Feuchteleit",
     "Feuchteleitk. (25% atro, 25°C) in 10^(-9) m²/s", "40"},
    {Input::lambda, "txt_lambda", "lbl_Lambda", "Wärmeleitkoeff. der trock. Platte in W/(m K)", "1,0"},
    {Input::mue, "txt_mue", "lbl_mue", "Diff.-Widerstandszahl der trockenen Masse", "20"},
    {Input::Waermeuebergang, "txt_Waermeuebergang", "lbl_Waermeuebergang",
     "effekt. Wärmeübergangskoeff. in W/(m² K)", "50"},
    {Input::ThetaEinf, "txt_ThetaEinf", "lbl_ThetaEinf", "Temperatur der einfahrenden Rohlinge in °C ", "20"},
    {Input::AussenluftTemp, "txt_AussenluftTemp", "lbl_AussenluftTemp", "Außenlufttemperatur in °C ", "15"},
    {Input::AussenluftFeuchte, "txt_AussenluftFeuchte", "lbl_AussenluftFeuchte",
     "relative Außenluftfeuchtigkeit in % ", "60"},
    {Input::Lufttemp, "txt_Lufttemp", "lbl_Lufttemp", "Ablufttemperatur in °C ", "35"},
    {Input::AbluftFeuchte, "txt_AbluftFeuchte", "lbl_AbluftFeuchte", "relative Abluftfeuchtigkeit in % ", "75"},
    {Input::ThetaGegenstromende, "txt_ThetaGegenstromende", "lbl_Gegenstromende",
     "Gegenstromende bei Lufttemperatur in °C", "80"},
    {Input::Ortsschrittweite, "txt_Ortsschrittweite", "lbl_Ortsschrittweite", "Ortsschrittweite in mm", "0,1"},
    {Input::deltaT, "txt_deltaT", "lbl_Zeitschrittweite", "Zeitschrittweite in s", "0,5"},
    {Input::rund, "txt_rund", "lbl_Rundlaeufe", "Anzahl der Berechnungen pro Kurve", "1200"},
    {Input::KappaSteig, "txt_KappaSteig", "lbl_kappasteig", "Kappa-Steigung unter Grenzfeuchte", "6,7"},
}};
}  // namespace

const std::array<InputField, kInputCount>& InputFields() { return kFields; }

const InputField& FieldOf(Input id) { return kFields[static_cast<std::size_t>(id)]; }

InputTexts InputTexts::Defaults() {
  InputTexts t;
  for (const InputField& f : kFields) t[f.id] = f.defaultText;
  return t;
}

bool InputTexts::set(std::string_view box, std::string text) {
  for (const InputField& f : kFields) {
    if (box == f.box) {
      (*this)[f.id] = std::move(text);
      return true;
    }
  }
  return false;
}

}  // namespace lamvero
