#include "ui/diagrams/airchartform.h"

#include <QString>

#include "physics/moistair.h"
#include "ui/diagrams/shownlocale.h"

namespace lamvero {

namespace {

constexpr double kGramsPerKg = 1000;

QString Number(double v, int decimals) { return ShownLocale().toString(v, 'f', decimals); }

}  // namespace

const std::vector<AirChartFormInfo>& AirChartForms() {
  static const std::vector<AirChartFormInfo> forms{
      {AirChartForm::ThetaX, "thetaX", QT_TRANSLATE_NOOP("AirChartForm", "ϑ,X-Form"),
       QT_TRANSLATE_NOOP("AirChartForm", "Trocknerluft im ϑ,X-Diagramm; grau: rel. Feuchte φ, Enthalpie h in kJ/kg"),
       QT_TRANSLATE_NOOP("AirChartForm", "Lufttemperatur ϑ in °C")},
      {AirChartForm::Mollier, "mollier", QT_TRANSLATE_NOOP("AirChartForm", "Mollier-Form (h schräg)"),
       QT_TRANSLATE_NOOP(
           "AirChartForm",
           "Trocknerluft im h,X-Diagramm nach Mollier; grau: rel. Feuchte φ, Enthalpie h in kJ/kg, Temperatur ϑ"),
       QT_TRANSLATE_NOOP("AirChartForm", "ϑ in °C bei X = 0, senkrecht (h − 2500 kJ/kg · X) / 1,005 kJ/(kg K)")},
  };
  return forms;
}

const AirChartFormInfo& InfoOf(AirChartForm form) {
  for (const AirChartFormInfo& f : AirChartForms()) {
    if (f.form == form) return f;
  }
  return AirChartForms().front();
}

AirChartForm AirChartFormOfKey(const QString& key) {
  for (const AirChartFormInfo& f : AirChartForms()) {
    if (key == QLatin1String(f.key)) return f.form;
  }
  return AirChartForm::ThetaX;
}

QPointF AirChartPosition(AirChartForm form, AirPoint state) {
  const double x = kGramsPerKg * state.X;
  if (form == AirChartForm::ThetaX) return {x, state.theta};
  return {x, (Enthalpy(state.theta, state.X) - kEvaporationHeat0 * state.X) / kCpDryAir};
}

AirPoint AirStateAt(AirChartForm form, QPointF at) {
  const double X = at.x() / kGramsPerKg;
  if (form == AirChartForm::ThetaX) return {at.y(), X};
  return {at.y() * kCpDryAir / (kCpDryAir + kCpVapour * X), X};
}

QStringList AirReadOut(AirChartForm form, QPointF at) {
  const AirPoint s = AirStateAt(form, at);
  QStringList parts{QStringLiteral("ϑ = %1 °C").arg(Number(s.theta, 1)),
                    QStringLiteral("X = %1 g/kg").arg(Number(kGramsPerKg * s.X, 2))};
  if (s.X >= 0) {
    parts << QStringLiteral("φ = %1 %").arg(Number(100 * RelativeHumidity(s.theta, s.X), 1))
          << QStringLiteral("h = %1 kJ/kg").arg(Number(Enthalpy(s.theta, s.X), 1));
  }
  return parts;
}

}  // namespace lamvero
