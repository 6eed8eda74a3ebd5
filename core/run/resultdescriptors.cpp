#include "run/resultdescriptors.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "run/runcontrol.h"
#include "text/numberformat.h"
#include "text/trim.h"

namespace lamvero {

namespace {

constexpr double kNotReached = std::numeric_limits<double>::quiet_NaN();

// A stage the run did not reach leaves its result at 0; a completed run reached every stage.
double IfEvaluated(const RunRecord& r, double value) {
  return r.outcome == RunOutcome::Completed ? value : kNotReached;
}

// A time the run records when it happens: 0 until then.
double IfHappened(double t, double value) { return t > 0 ? value : kNotReached; }

using R = const RunRecord&;
using C = RunControl;

// key, label, box, caption, unit, value, pattern, long caption (where it differs from the caption)
const std::vector<ResultDescriptor> kResults = {
    {"XSchwEnde", ControlName(C::lbl_SchwindEnde), ControlName(C::txt_XSchwEnde),
     "Wasserbeladung Schwind.-Ende in kg/kg", "kg/kg", [](R r) { return r.derived.XSchwEnde; }, "#0.000", ""},
    {"offPoren", ControlName(C::lbl_offPoren), ControlName(C::txt_offPoren),
     "offene Porosität im trock. Zustand in Vol.-%", "Vol.-%", [](R r) { return 100 * r.derived.offPoren; }, "#0.0",
     ""},
    {"LuftRohlingVerh", ControlName(C::lbl_LuftRohlingVerh), ControlName(C::txt_LuftRohlingVerh),
     "spez. Luftdurchsatz in kg pro kg tr. Rohling", "kg/kg", [](R r) { return r.derived.LuftRohlingVerh; }, "#0.00",
     ""},
    {"LuftWasserVerh", ControlName(C::lbl_LuftWasserVerh), ControlName(C::txt_LuftWasserVerh),
     "spez. Luftdurchsatz in kg pro kg Wasser", "kg/kg", [](R r) { return r.derived.LuftWasserVerh; }, "#0.00", ""},
    {"ThetaZuluft", ControlName(C::lbl_ThetaZuluft), ControlName(C::txt_ThetaZuluft),
     "Temperatur der Trocknerzuluft in °C", "°C", [](R r) { return IfEvaluated(r, r.results.ThetaZuluft); }, "#0.0",
     ""},
    {"Zeit", ControlName(C::lbl_Zeit), ControlName(C::txt_Zeit), "laufende Zeit in hh : mm : ss", "s",
     [](R r) { return r.results.Zeit; }, "", "Trocknungsdauer in h:mm:ss"},
    {"ThetaLuft", ControlName(C::lbl_momLuftTemp), ControlName(C::txt_momLuftTemp), "mom. Lufttemperatur in °C", "°C",
     [](R r) { return r.results.ThetaLuft; }, "#0.0", ""},
    {"XLuft", ControlName(C::lbl_momXLuft), ControlName(C::txt_momXLuft), "mom. Wasserbeladung der Luft in kg/kg",
     "kg/kg", [](R r) { return r.results.XLuft; }, "#0.000", ""},
    {"ThetaOb", ControlName(C::lbl_thetaOb), ControlName(C::txt_thetaOb), "mom. Oberflächentemperatur in °C", "°C",
     [](R r) { return r.results.ThetaOb; }, "#0.0", ""},
    {"ThetaK", ControlName(C::lbl_Kerntemp), ControlName(C::txt_thetaK), "mom. Kerntemperatur in °C", "°C",
     [](R r) { return r.results.ThetaK; }, "#0.0", ""},
    {"xmom", ControlName(C::lbl_Xmom), ControlName(C::txt_xmom), "mom. Rohlingswasser in kg/kg atro", "kg/kg",
     [](R r) { return r.results.xmom; }, "#0.00", ""},
    {"qrand", ControlName(C::lbl_Waermestromdichte), ControlName(C::txt_qrand), "mom. Wärmestromdichte in kW/m²",
     "kW/m²", [](R r) { return r.results.qrand; }, "#0.00", ""},
    {"Wasserdampf", ControlName(C::lbl_Wasserdampf), ControlName(C::txt_Wasserdampf),
     "mom. Verdunstungsrate in kg/(m² h)", "kg/(m² h)", [](R r) { return r.results.Wasserdampf; }, "#0.00", ""},
    {"DauerGegenstrom", ControlName(C::lbl_DauerGegenstrom), ControlName(C::txt_DauerGegenstrom),
     "Dauer der Gegenstromtrockn. hh:mm:ss", "s", [](R r) { return r.results.DauerGegenstrom; }, "",
     "Dauer der Gegenstromtrocknung in h:mm:ss"},
    {"XGegen", ControlName(C::lbl_XGegen), ControlName(C::txt_XGegen), "danach Wasserbeladung in kg/kg atro", "kg/kg",
     [](R r) { return r.results.XGegen; }, "#0.00", "Wasserbeladung nach der Gegenstromtrocknung in kg/kg atro"},
    {"Dauer1TA", ControlName(C::lbl_Dauer1TA), ControlName(C::txt_Dauer1TA), "Dauer des 1. TroAbschn. in hh : mm : ss",
     "s", [](R r) { return IfHappened(r.results.Dauer1TA, r.results.Dauer1TA); }, "",
     "Dauer des 1. Trocknungsabschnitts in h:mm:ss"},
    {"X1TA", ControlName(C::lbl_X1TA), ControlName(C::txt_X1TA), "danach Wasserbeladung in kg/kg atro", "kg/kg",
     [](R r) { return IfHappened(r.results.Dauer1TA, r.results.X1TA); }, "#0.0000",
     "Wasserbeladung nach dem 1. TA in kg/kg atro"},
    {"Anfangsrate", ControlName(C::lbl_Anfangsrate), ControlName(C::txt_Anfangsrate),
     "anfängliche Verdunstungsrate in kg/(m² h)", "kg/(m² h)", [](R r) { return r.results.Anfangsrate; }, "#0.000", ""},
    {"t1xse", ControlName(C::lbl_OberflSchwind), ControlName(C::txt_t1xse), "Dauer der Oberflächenschw. hh : mm : ss",
     "s", [](R r) { return IfHappened(r.results.t1xse, r.results.t1xse); }, "",
     "Ende der Schwindung an der Oberfläche in h:mm:ss"},
    {"schwinddiff", ControlName(C::lbl_SchwindDiff), ControlName(C::txt_schwinddiff),
     "max. Differenz der lin. Schwindung in % ", "%", [](R r) { return 100 * r.results.schwinddiff; }, "#0.00",
     "größte Schwindungsdifferenz Oberfläche – Kern in %"},
    {"schwindgrad", ControlName(C::lbl_SchwindGradient), ControlName(C::txt_schwindgrad),
     "max. Schwindungsgradient in % pro mm", "% pro mm", [](R r) { return 0.1 * r.results.schwindgrad; }, "#0.00",
     "größter Schwindungsgradient in % pro mm"},
    {"t2xse", ControlName(C::lbl_KernSchwind), ControlName(C::txt_t2xse), "Dauer der Kernschwindung in hh : mm : ss",
     "s", [](R r) { return IfHappened(r.results.t2xse, r.results.t2xse); }, "",
     "Ende der Schwindung im Kern in h:mm:ss"},
    {"spezEnergie", ControlName(C::lbl_spezEnergie), ControlName(C::txt_spezEnergie),
     "mittl. spez. Energiebedarf in kJ/kg H2O", "kJ/kg", [](R r) { return IfEvaluated(r, r.results.spezEnergie); },
     "#0.0", ""},
    {"relEnergie", ControlName(C::lbl_relEnergie), ControlName(C::txt_relEnergie),
     "mittl. Energie / Verdampfungsenthalpie", "1", [](R r) { return IfEvaluated(r, r.results.relEnergie); }, "#0.000",
     ""},
    {"AnzOS", ControlName(C::lbl_Ortsschrittzahl), ControlName(C::txt_AnzOS), "Anzahl der Ortsschritte pro Halbplatte",
     "1", [](R r) { return static_cast<double>(r.derived.AnzOS); }, "#0", "Ortsschritte je halbe Dicke"},
    {"WasserfehlerProzent", ControlName(C::lbl_Wasserfehler), ControlName(C::txt_Wasserfehler),
     "relativer Wasserfehler in %", "%", [](R r) { return IfEvaluated(r, r.results.WasserfehlerProzent); }, "#0.0", ""},
    // Results without a window row.
    {"WasserdampfMax", "", "", "größte Verdunstungsrate (geglättet)", "kg/(m² h)",
     [](R r) { return IfEvaluated(r, r.results.WasserdampfMax); }, "#0.000", "größte Verdunstungsrate in kg/(m² h)"},
    {"XEnde", "", "", "Restfeuchte des Rechenprofils", "kg/kg", [](R r) { return IfEvaluated(r, r.results.XEnde); },
     "", ""},
    {"DickeTr", "", "", "Dicke der trockenen Platte", "mm", [](R r) { return 1000 * r.derived.DickeTr; }, "", ""},
    {"XAbluft", "", "", "Wasserbeladung der Abluft", "kg/kg", [](R r) { return r.derived.XAbluft; }, "", ""},
    {"ThetaKgr", "", "", "Kühlgrenztemperatur der Abluft", "°C", [](R r) { return r.derived.ThetaKgr; }, "", ""},
    {"XAussen", "", "", "Wasserbeladung der Außenluft", "kg/kg", [](R r) { return r.derived.XAussen; }, "", ""},
};

}  // namespace

bool ResultDescriptor::isDuration() const { return std::strcmp(unit, "s") == 0; }

const char* ResultDescriptor::fullCaption() const { return *longCaption ? longCaption : caption; }

std::string ResultDescriptor::tableCaption() const { return WithoutTrailingBlanks(caption); }

namespace {

// The full caption split where it ends in its unit ("… in kg/kg atro", "… in
// h:mm:ss"); all of it and no unit where it does not.
struct CaptionParts {
  std::string name, unit;
};
CaptionParts SplitCaption(const ResultDescriptor& result) {
  std::string full = WithoutTrailingBlanks(result.fullCaption());
  const std::size_t in = full.rfind(" in ");
  if (in != std::string::npos) {
    std::string unit = full.substr(in + 4);
    if (result.isDuration() || unit.rfind(result.unit, 0) == 0) return {full.substr(0, in), std::move(unit)};
  }
  return {std::move(full), ""};
}

}  // namespace

std::string ResultDescriptor::name() const { return SplitCaption(*this).name; }

std::string ResultDescriptor::captionUnit() const {
  std::string written = SplitCaption(*this).unit;
  if (!written.empty()) return written;
  return std::strcmp(this->unit, "1") == 0 ? "–" : this->unit;
}

// The durations the window shows as its clock does (present/runview): the
// running time and the end of the first period, rounded halves up; it rounds
// the others halves to even.
bool OnTheClock(const ResultDescriptor& d) {
  for (RunControl box : {RunControl::txt_Zeit, RunControl::txt_Dauer1TA}) {
    if (std::strcmp(d.box, ControlName(box)) == 0) return true;
  }
  return false;
}

std::string ResultDescriptor::shownText(double amount) const {
  if (!std::isfinite(amount)) return "";
  if (isDuration()) {
    std::string text = OnTheClock(*this) ? FormatClock(amount) : FormatDuration(amount);
    text.erase(0, text.find_first_not_of(' '));
    return text;
  }
  return *pattern ? Format(amount, pattern) : FormatSixDigits(amount);
}

std::string ResultDescriptor::shownNumber(double amount) const {
  if (isDuration() && std::isfinite(amount)) {
    return Format(OnTheClock(*this) ? std::floor(amount + 0.5) : std::nearbyint(amount), "#0");
  }
  return shownText(amount);
}

const std::vector<ResultColumn>& ResultColumns() {
  static const std::vector<ResultColumn> columns{
      {ResultCell::Name, "name", "Ergebnis"},
      {ResultCell::Value, "value", "Wert"},
      {ResultCell::Unit, "unit", "Einheit"},
      {ResultCell::Shown, "shown", "Anzeige im Fenster"},
      {ResultCell::Exact, "exact", "Wert mit allen Stellen"},
      {ResultCell::Key, "key", "Schlüssel"},
  };
  return columns;
}

const char* ResultColumnCaption(ResultCell cell) {
  for (const ResultColumn& c : ResultColumns()) {
    if (c.cell == cell) return c.caption;
  }
  return "";
}

const std::vector<ResultDescriptor>& ResultDescriptors() { return kResults; }

const ResultDescriptor* FindResult(const std::string& key) {
  for (const ResultDescriptor& d : kResults) {
    if (key == d.key) return &d;
  }
  return nullptr;
}

const ResultDescriptor* FindResultOfBox(const std::string& box) {
  if (box.empty()) return nullptr;
  for (const ResultDescriptor& d : kResults) {
    if (box == d.box) return &d;
  }
  return nullptr;
}

const std::string* ShownText(const RunRecord& record, const ResultDescriptor& result) {
  if (!*result.box) return nullptr;
  const auto control = record.controls.find(result.box);
  return control != record.controls.end() && control->second.visible ? &control->second.text : nullptr;
}

const ResultDescriptor& ResultOf(const std::string& key) {
  if (const ResultDescriptor* d = FindResult(key)) return *d;
  throw std::logic_error("no result named \"" + key + "\"");
}

}  // namespace lamvero
