#include "inputs/inputs.h"

#include "text/language.h"
#include "text/trim.h"

namespace lamvero {

namespace {
// Captions carry their trailing blanks exactly as the window shows them.
// Usual ranges, from the laws' own validity and what brick dryers see:
// plates of 3 (thin tiles) to 100 mm; dry densities of brick clays 1400 to 2300 kg/m³;
// making moisture 0,10 to 0,40 kg/kg; linear drying shrinkage 4 to 10 %;
// moisture conductivities of clays 1 to 200 · 10^(-9) m²/s; the Magnus law of
// the saturation pressure is fitted from -20 to 60 °C, which bounds the outside
// and the exhaust air, and it is capped at the boiling point, so the exhaust
// must stay well below it; effective heat-transfer coefficients of dryers 5 to
// 150 W/(m² K). The numerical inputs' ranges keep the water-balance error and
// the run length reasonable.
const std::array<InputField, kInputCount> kFields{{
    {Input::Dicke, "txt_Dicke", "lbl_Dicke", LV_TR_NOOP("Eingabefelder", "Anfangsdicke der Platte in mm"), "20,0", 3,
     100, "mm"},
    {Input::rhos, "txt_rhos", "lbl_rhos", LV_TR_NOOP("Eingabefelder", "Dichte der getrockneten Masse in kg/m³"), "1850",
     1400, 2300, "kg/m³"},
    {Input::XAnf, "txt_XAnf", "lbl_Wassergehalt", LV_TR_NOOP("Eingabefelder", "Anfangswasserbeladung in kg/kg atro"),
     "0,25", 0.1, 0.4, "kg/kg"},
    {Input::linTrSchwind, "txt_linTrSchwind", "lbl_linTrSchwind",
     LV_TR_NOOP("Eingabefelder", "lineare Trockenschwindung in %"), "6,2", 4, 10, "%"},
    {Input::Feuchteleit, "txt_Feuchteleit", "lbl_Feuchteleit",
     LV_TR_NOOP("Eingabefelder", "Feuchteleitk. (25% atro, 25°C) in 10^(-9) m²/s"), "40", 1, 200, "10^(-9) m²/s"},
    {Input::lambda, "txt_lambda", "lbl_Lambda",
     LV_TR_NOOP("Eingabefelder", "Wärmeleitkoeff. der trock. Platte in W/(m K)"), "1,0", 0.2, 2.5, "W/(m K)"},
    {Input::mue, "txt_mue", "lbl_mue", LV_TR_NOOP("Eingabefelder", "Diff.-Widerstandszahl der trockenen Masse"), "20",
     5, 50, ""},
    {Input::Waermeuebergang, "txt_Waermeuebergang", "lbl_Waermeuebergang",
     LV_TR_NOOP("Eingabefelder", "effekt. Wärmeübergangskoeff. in W/(m² K)"), "50", 5, 150, "W/(m² K)"},
    {Input::ThetaEinf, "txt_ThetaEinf", "lbl_ThetaEinf",
     LV_TR_NOOP("Eingabefelder", "Temperatur der einfahrenden Rohlinge in °C "), "20", 0, 50, "°C"},
    {Input::AussenluftTemp, "txt_AussenluftTemp", "lbl_AussenluftTemp",
     LV_TR_NOOP("Eingabefelder", "Außenlufttemperatur in °C "), "15", -20, 40, "°C"},
    {Input::AussenluftFeuchte, "txt_AussenluftFeuchte", "lbl_AussenluftFeuchte",
     LV_TR_NOOP("Eingabefelder", "relative Außenluftfeuchtigkeit in % "), "60", 20, 100, "%"},
    {Input::Lufttemp, "txt_Lufttemp", "lbl_Lufttemp", LV_TR_NOOP("Eingabefelder", "Ablufttemperatur in °C "), "35", 20,
     60, "°C"},
    {Input::AbluftFeuchte, "txt_AbluftFeuchte", "lbl_AbluftFeuchte",
     LV_TR_NOOP("Eingabefelder", "relative Abluftfeuchtigkeit in % "), "75", 30, 95, "%"},
    {Input::ThetaGegenstromende, "txt_ThetaGegenstromende", "lbl_Gegenstromende",
     LV_TR_NOOP("Eingabefelder", "Gegenstromende bei Lufttemperatur in °C"), "80", 40, 150, "°C"},
    {Input::Ortsschrittweite, "txt_Ortsschrittweite", "lbl_Ortsschrittweite",
     LV_TR_NOOP("Eingabefelder", "Ortsschrittweite in mm"), "0,1", 0.02, 0.5, "mm"},
    {Input::deltaT, "txt_deltaT", "lbl_Zeitschrittweite", LV_TR_NOOP("Eingabefelder", "Zeitschrittweite in s"), "0,5",
     0.05, 5, "s"},
    {Input::rund, "txt_rund", "lbl_Rundlaeufe", LV_TR_NOOP("Eingabefelder", "Anzahl der Berechnungen pro Kurve"),
     "1200", 100, 10000, ""},
    {Input::KappaSteig, "txt_KappaSteig", "lbl_kappasteig",
     LV_TR_NOOP("Eingabefelder", "Kappa-Steigung unter Grenzfeuchte"), "6,7", 0, 20, ""},
}};
}  // namespace

const std::array<InputField, kInputCount>& InputFields() { return kFields; }

const InputField& FieldOf(Input id) { return kFields[static_cast<std::size_t>(id)]; }

std::string ShownCaption(Input id) { return WithoutTrailingBlanks(Tr("Eingabefelder", FieldOf(id).caption)); }

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

std::vector<Input> ChangedInputs(const InputTexts& before, const InputTexts& now) {
  std::vector<Input> changed;
  for (const InputField& f : kFields) {
    if (before[f.id] != now[f.id]) changed.push_back(f.id);
  }
  return changed;
}

std::string InputCaptions(const std::vector<Input>& inputs) {
  std::string list;
  for (Input id : inputs) list += (list.empty() ? "" : ", ") + ShownCaption(id);
  return list;
}

}  // namespace lamvero
