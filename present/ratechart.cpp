#include "present/ratechart.h"

#include <cmath>

#include "text/language.h"

namespace lamvero {

namespace {

struct FormText {
  RateChartForm form;
  bool fallingAxis;
  const char* title;
  const char* note;
};
const FormText kForms[] = {
    {RateChartForm::Dryer, false, LV_TR_NOOP("Diagramme", "Trocknungsgeschwindigkeit über der mittleren Feuchte"),
     LV_TR_NOOP("Diagramme", "Verdunstungsrate über der mittleren Feuchte X des Rohlings; die Trocknung läuft von rechts (Anfangsfeuchte) "
     "nach links. Im Trockner erwärmt sich die Luft entlang der Gegenstromstrecke: darum steigt die Rate im "
     "1. Trocknungsabschnitt an, statt gleich zu bleiben, und fällt im 2. Abschnitt mit dem zurückweichenden "
     "Trocknungsspiegel.")},
    {RateChartForm::Krischer, true, LV_TR_NOOP("Diagramme", "Trocknungsverlaufskurve nach Krischer (Laborversuch, Luft konstant)"),
     LV_TR_NOOP("Diagramme", "Trocknungsverlaufskurve nach Krischer: Verdunstungsrate über der mittleren Feuchte X bei konstanter Luft; "
     "X nimmt nach rechts ab, die Trocknung läuft von links nach rechts. Im 1. Trocknungsabschnitt bleibt die Rate "
     "gleich bis zum Knickpunkt; markiert sind das Ende des 1. TA (X1TA) und der Knickpunkt, ab dem die Rate im "
     "2. Abschnitt mit dem zurückweichenden Trocknungsspiegel fällt.")},
    {RateChartForm::Mixed, false, LV_TR_NOOP("Diagramme", "Trocknungsgeschwindigkeit über der mittleren Feuchte"),
     LV_TR_NOOP("Diagramme", "Verdunstungsrate über der mittleren Feuchte X; die Trocknung läuft von rechts nach links. Trocknerläufe: die "
     "Luft erwärmt sich entlang der Gegenstromstrecke, darum steigt die Rate im 1. Trocknungsabschnitt an. "
     "Laborversuche (Luft konstant): die Trocknungsverlaufskurve nach Krischer, gleichbleibende Rate im "
     "1. Trocknungsabschnitt, markiert das Ende des 1. TA (X1TA) und der Knickpunkt, danach fallende Rate; hier wie "
     "die Trocknerläufe mit nach rechts zunehmender Feuchte.")},
};

const FormText& TextOf(RateChartForm form) {
  for (const FormText& f : kForms) {
    if (f.form == form) return f;
  }
  return kForms[0];
}

// A stored point on the curve: finite, and no mark of a poorly converged step (-100).
bool OnCurve(const RunSeries& s, std::size_t k) {
  return std::isfinite(s.XReihe[k]) && std::isfinite(s.WasserdampfReihe[k]) && s.WasserdampfReihe[k] >= 0;
}

RateMark MarkAt(const RunSeries& s, std::size_t k, const std::string& name) {
  return RateMark{name, k, s.XReihe[k], s.WasserdampfReihe[k]};
}

// The first point of the curve's last uninterrupted fall; the last point where the curve ends rising or level.
std::size_t KneeOf(const RunSeries& s, std::size_t last) {
  std::size_t knee = last;
  for (std::size_t k = last; k-- > 0;) {
    if (!OnCurve(s, k)) continue;
    if (!(s.WasserdampfReihe[k] > s.WasserdampfReihe[knee])) break;
    knee = k;
  }
  return knee;
}

}  // namespace

RateChartForm RateChartFormOf(int dryerRuns, int laboratoryRuns) {
  if (laboratoryRuns == 0) return RateChartForm::Dryer;
  return dryerRuns == 0 ? RateChartForm::Krischer : RateChartForm::Mixed;
}

bool MoistureFallsToTheRight(RateChartForm form) { return TextOf(form).fallingAxis; }

const char* RateChartTitle(RateChartForm form) { return TextOf(form).title; }

const char* RateChartNote(RateChartForm form) { return TextOf(form).note; }

std::vector<RateMark> KrischerMarks(const RunRecord& r) {
  const RunSeries& s = r.series;
  // The falling rate belongs to the second period: a run stopped in the first has neither mark.
  if (s.points() < 2 || !(r.results.Dauer1TA > 0) || s.nReihe1TA < 1 || s.nReihe1TA > s.nReihe) return {};
  std::size_t last = static_cast<std::size_t>(s.nReihe);
  while (last > 0 && !OnCurve(s, last)) --last;
  const auto end = static_cast<std::size_t>(s.nReihe1TA);
  const std::size_t knee = KneeOf(s, last);
  if (knee == end || knee == last) return {MarkAt(s, end, Tr("Diagramme", "Knickpunkt = Ende 1. TA"))};
  std::vector<RateMark> marks{MarkAt(s, end, Tr("Diagramme", "Ende 1. TA"))};
  marks.push_back(MarkAt(s, knee, Tr("Diagramme", "Knickpunkt")));
  return marks;
}

}  // namespace lamvero
