#include "run/resultdescriptors.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "run/runcontrol.h"
#include "text/language.h"
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
     LV_TR_NOOP("Ergebnisse", "Wasserbeladung Schwind.-Ende in kg/kg"), "kg/kg",
     [](R r) { return r.derived.XSchwEnde; }, "#0.000", ""},
    {"offPoren", ControlName(C::lbl_offPoren), ControlName(C::txt_offPoren),
     LV_TR_NOOP("Ergebnisse", "offene Porosität im trock. Zustand in Vol.-%"), LV_TR_NOOP("Ergebnisse", "Vol.-%"),
     [](R r) { return 100 * r.derived.offPoren; }, "#0.0", ""},
    {"LuftRohlingVerh", ControlName(C::lbl_LuftRohlingVerh), ControlName(C::txt_LuftRohlingVerh),
     LV_TR_NOOP("Ergebnisse", "spez. Luftdurchsatz in kg pro kg tr. Rohling"), "kg/kg",
     [](R r) { return r.derived.LuftRohlingVerh; }, "#0.00", ""},
    {"LuftWasserVerh", ControlName(C::lbl_LuftWasserVerh), ControlName(C::txt_LuftWasserVerh),
     LV_TR_NOOP("Ergebnisse", "spez. Luftdurchsatz in kg pro kg Wasser"), "kg/kg",
     [](R r) { return r.derived.LuftWasserVerh; }, "#0.00", ""},
    {"ThetaZuluft", ControlName(C::lbl_ThetaZuluft), ControlName(C::txt_ThetaZuluft),
     LV_TR_NOOP("Ergebnisse", "Temperatur der Trocknerzuluft in °C"), "°C",
     [](R r) { return IfEvaluated(r, r.results.ThetaZuluft); }, "#0.0", ""},
    {"Zeit", ControlName(C::lbl_Zeit), ControlName(C::txt_Zeit),
     LV_TR_NOOP("Ergebnisse", "laufende Zeit in hh : mm : ss"), "s", [](R r) { return r.results.Zeit; }, "",
     LV_TR_NOOP("Ergebnisse", "Trocknungsdauer in h:mm:ss")},
    {"ThetaLuft", ControlName(C::lbl_momLuftTemp), ControlName(C::txt_momLuftTemp),
     LV_TR_NOOP("Ergebnisse", "mom. Lufttemperatur in °C"), "°C", [](R r) { return r.results.ThetaLuft; }, "#0.0", ""},
    {"XLuft", ControlName(C::lbl_momXLuft), ControlName(C::txt_momXLuft),
     LV_TR_NOOP("Ergebnisse", "mom. Wasserbeladung der Luft in kg/kg"), "kg/kg", [](R r) { return r.results.XLuft; },
     "#0.000", ""},
    {"ThetaOb", ControlName(C::lbl_thetaOb), ControlName(C::txt_thetaOb),
     LV_TR_NOOP("Ergebnisse", "mom. Oberflächentemperatur in °C"), "°C", [](R r) { return r.results.ThetaOb; }, "#0.0",
     ""},
    {"ThetaK", ControlName(C::lbl_Kerntemp), ControlName(C::txt_thetaK),
     LV_TR_NOOP("Ergebnisse", "mom. Kerntemperatur in °C"), "°C", [](R r) { return r.results.ThetaK; }, "#0.0", ""},
    {"xmom", ControlName(C::lbl_Xmom), ControlName(C::txt_xmom),
     LV_TR_NOOP("Ergebnisse", "mom. Rohlingswasser in kg/kg atro"), "kg/kg", [](R r) { return r.results.xmom; },
     "#0.00", ""},
    {"qrand", ControlName(C::lbl_Waermestromdichte), ControlName(C::txt_qrand),
     LV_TR_NOOP("Ergebnisse", "mom. Wärmestromdichte in kW/m²"), "kW/m²", [](R r) { return r.results.qrand; }, "#0.00",
     ""},
    {"Wasserdampf", ControlName(C::lbl_Wasserdampf), ControlName(C::txt_Wasserdampf),
     LV_TR_NOOP("Ergebnisse", "mom. Verdunstungsrate in kg/(m² h)"), "kg/(m² h)",
     [](R r) { return r.results.Wasserdampf; }, "#0.00", ""},
    {"DauerGegenstrom", ControlName(C::lbl_DauerGegenstrom), ControlName(C::txt_DauerGegenstrom),
     LV_TR_NOOP("Ergebnisse", "Dauer der Gegenstromtrockn. hh:mm:ss"), "s",
     [](R r) { return r.results.DauerGegenstrom; }, "",
     LV_TR_NOOP("Ergebnisse", "Dauer der Gegenstromtrocknung in h:mm:ss")},
    {"XGegen", ControlName(C::lbl_XGegen), ControlName(C::txt_XGegen),
     LV_TR_NOOP("Ergebnisse", "danach Wasserbeladung in kg/kg atro"), "kg/kg", [](R r) { return r.results.XGegen; },
     "#0.00", LV_TR_NOOP("Ergebnisse", "Wasserbeladung nach der Gegenstromtrocknung in kg/kg atro")},
    {"Dauer1TA", ControlName(C::lbl_Dauer1TA), ControlName(C::txt_Dauer1TA),
     LV_TR_NOOP("Ergebnisse", "Dauer des 1. TroAbschn. in hh : mm : ss"), "s",
     [](R r) { return IfHappened(r.results.Dauer1TA, r.results.Dauer1TA); }, "",
     LV_TR_NOOP("Ergebnisse", "Dauer des 1. Trocknungsabschnitts in h:mm:ss")},
    {"X1TA", ControlName(C::lbl_X1TA), ControlName(C::txt_X1TA),
     LV_TR_NOOP("Ergebnisse", "danach Wasserbeladung in kg/kg atro"), "kg/kg",
     [](R r) { return IfHappened(r.results.Dauer1TA, r.results.X1TA); }, "#0.0000",
     LV_TR_NOOP("Ergebnisse", "Wasserbeladung nach dem 1. TA in kg/kg atro")},
    {"Anfangsrate", ControlName(C::lbl_Anfangsrate), ControlName(C::txt_Anfangsrate),
     LV_TR_NOOP("Ergebnisse", "anfängliche Verdunstungsrate in kg/(m² h)"), "kg/(m² h)",
     [](R r) { return r.results.Anfangsrate; }, "#0.000", ""},
    {"t1xse", ControlName(C::lbl_OberflSchwind), ControlName(C::txt_t1xse),
     LV_TR_NOOP("Ergebnisse", "Dauer der Oberflächenschw. hh : mm : ss"), "s",
     [](R r) { return IfHappened(r.results.t1xse, r.results.t1xse); }, "",
     LV_TR_NOOP("Ergebnisse", "Ende der Schwindung an der Oberfläche in h:mm:ss")},
    {"schwinddiff", ControlName(C::lbl_SchwindDiff), ControlName(C::txt_schwinddiff),
     LV_TR_NOOP("Ergebnisse", "max. Differenz der lin. Schwindung in % "), "%",
     [](R r) { return 100 * r.results.schwinddiff; }, "#0.00",
     LV_TR_NOOP("Ergebnisse", "größte Schwindungsdifferenz Oberfläche – Kern in %")},
    {"schwindgrad", ControlName(C::lbl_SchwindGradient), ControlName(C::txt_schwindgrad),
     LV_TR_NOOP("Ergebnisse", "max. Schwindungsgradient in % pro mm"), LV_TR_NOOP("Ergebnisse", "% pro mm"),
     [](R r) { return 0.1 * r.results.schwindgrad; }, "#0.00",
     LV_TR_NOOP("Ergebnisse", "größter Schwindungsgradient in % pro mm")},
    {"t2xse", ControlName(C::lbl_KernSchwind), ControlName(C::txt_t2xse),
     LV_TR_NOOP("Ergebnisse", "Dauer der Kernschwindung in hh : mm : ss"), "s",
     [](R r) { return IfHappened(r.results.t2xse, r.results.t2xse); }, "",
     LV_TR_NOOP("Ergebnisse", "Ende der Schwindung im Kern in h:mm:ss")},
    {"spezEnergie", ControlName(C::lbl_spezEnergie), ControlName(C::txt_spezEnergie),
     LV_TR_NOOP("Ergebnisse", "mittl. spez. Energiebedarf in kJ/kg H2O"), "kJ/kg",
     [](R r) { return IfEvaluated(r, r.results.spezEnergie); }, "#0.0", ""},
    {"relEnergie", ControlName(C::lbl_relEnergie), ControlName(C::txt_relEnergie),
     LV_TR_NOOP("Ergebnisse", "mittl. Energie / Verdampfungsenthalpie"), "1",
     [](R r) { return IfEvaluated(r, r.results.relEnergie); }, "#0.000", ""},
    {"AnzOS", ControlName(C::lbl_Ortsschrittzahl), ControlName(C::txt_AnzOS),
     LV_TR_NOOP("Ergebnisse", "Anzahl der Ortsschritte pro Halbplatte"), "1",
     [](R r) { return static_cast<double>(r.derived.AnzOS); }, "#0",
     LV_TR_NOOP("Ergebnisse", "Ortsschritte je halbe Dicke")},
    {"WasserfehlerProzent", ControlName(C::lbl_Wasserfehler), ControlName(C::txt_Wasserfehler),
     LV_TR_NOOP("Ergebnisse", "relativer Wasserfehler in %"), "%",
     [](R r) { return IfEvaluated(r, r.results.WasserfehlerProzent); }, "#0.0", ""},
    // Results without a window row.
    {"WasserdampfMax", "", "", LV_TR_NOOP("Ergebnisse", "größte Verdunstungsrate (geglättet)"), "kg/(m² h)",
     [](R r) { return IfEvaluated(r, r.results.WasserdampfMax); }, "#0.000",
     LV_TR_NOOP("Ergebnisse", "größte Verdunstungsrate in kg/(m² h)")},
    {"XEnde", "", "", LV_TR_NOOP("Ergebnisse", "Restfeuchte des Rechenprofils"),
     "kg/kg", [](R r) { return IfEvaluated(r, r.results.XEnde); }, "", ""},
    {"DickeTr", "", "", LV_TR_NOOP("Ergebnisse", "Dicke der trockenen Platte"), "mm",
     [](R r) { return 1000 * r.derived.DickeTr; }, "", ""},
    {"XAbluft", "", "", LV_TR_NOOP("Ergebnisse", "Wasserbeladung der Abluft"), "kg/kg",
     [](R r) { return r.derived.XAbluft; }, "", ""},
    {"ThetaKgr", "", "", LV_TR_NOOP("Ergebnisse", "Kühlgrenztemperatur der Abluft"), "°C",
     [](R r) { return r.derived.ThetaKgr; }, "", ""},
    {"XAussen", "", "", LV_TR_NOOP("Ergebnisse", "Wasserbeladung der Außenluft"), "kg/kg",
     [](R r) { return r.derived.XAussen; }, "", ""},
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
// The English captions keep the German form "… in <unit>", so that the same
// split serves both languages.
CaptionParts SplitCaption(const ResultDescriptor& result, std::string full, const std::string& resultUnit) {
  full = WithoutTrailingBlanks(full);
  const std::size_t in = full.rfind(" in ");
  if (in != std::string::npos) {
    std::string unit = full.substr(in + 4);
    if (result.isDuration() || unit.rfind(resultUnit, 0) == 0) return {full.substr(0, in), std::move(unit)};
  }
  return {std::move(full), ""};
}

CaptionParts GermanParts(const ResultDescriptor& result) {
  return SplitCaption(result, result.fullCaption(), result.unit);
}

CaptionParts ShownParts(const ResultDescriptor& result) {
  return SplitCaption(result, Tr("Ergebnisse", result.fullCaption()), Tr("Ergebnisse", result.unit));
}

// The unit the caption writes; else the result's own, "–" for a pure number.
std::string UnitOr(const CaptionParts& parts, const std::string& unit) {
  if (!parts.unit.empty()) return parts.unit;
  return unit == "1" ? "–" : unit;
}

}  // namespace

std::string ResultDescriptor::name() const { return GermanParts(*this).name; }

std::string ResultDescriptor::captionUnit() const { return UnitOr(GermanParts(*this), unit); }

std::string ResultDescriptor::shownName() const { return ShownParts(*this).name; }

std::string ResultDescriptor::shownCaptionUnit() const { return UnitOr(ShownParts(*this), Tr("Ergebnisse", unit)); }

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
      {ResultCell::Name, "name", LV_TR_NOOP("Ergebnisse", "Ergebnis")},
      {ResultCell::Value, "value", LV_TR_NOOP("Ergebnisse", "Wert")},
      {ResultCell::Unit, "unit", LV_TR_NOOP("Ergebnisse", "Einheit")},
      {ResultCell::Shown, "shown", LV_TR_NOOP("Ergebnisse", "Anzeige im Fenster")},
      {ResultCell::Exact, "exact", LV_TR_NOOP("Ergebnisse", "Wert mit allen Stellen")},
      {ResultCell::Key, "key", LV_TR_NOOP("Ergebnisse", "Schlüssel")},
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
