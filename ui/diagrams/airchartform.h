#pragma once
// The two forms of the h,X chart and where a state of the air sits in them.
// Both put the humidity ratio X in g/kg on the horizontal axis. The ϑ,X form
// puts the air temperature on the vertical axis. The Mollier form puts there
// the enthalpy without the heat of evaporation of its water, divided by the
// specific heat of dry air: y = (h − r0 X) / cp_a. Lines of constant enthalpy
// then fall straight with the slope −r0 / cp_a, the isotherms
// y = ϑ (cp_a + cp_v X) / cp_a rise slightly, and at X = 0 the vertical axis
// reads the temperature.

#include <QPointF>
#include <QStringList>
#include <vector>

namespace lamvero {

enum class AirChartForm { ThetaX, Mollier };

struct AirChartFormInfo {
  AirChartForm form;
  const char* key;      // as the settings keep the choice: "thetaX"
  const char* caption;  // the choice's text in the window
  const char* title;    // the chart's title
  const char* yTitle;   // the vertical axis' title with its unit
};

// Both forms, the ϑ,X form first.
const std::vector<AirChartFormInfo>& AirChartForms();
const AirChartFormInfo& InfoOf(AirChartForm form);
// The form whose key this is; the ϑ,X form for any other text.
AirChartForm AirChartFormOfKey(const QString& key);

// A state of the air: temperature in °C, humidity ratio in kg/kg.
struct AirPoint {
  double theta;
  double X;
};

// Where the state sits in the chart, in axis values.
QPointF AirChartPosition(AirChartForm form, AirPoint state);
// The state at a point of the chart, in axis values.
AirPoint AirStateAt(AirChartForm form, QPointF at);
// The read-out of the point: ϑ, X, φ and h with their units, German numbers
// (φ and h only where X is not negative).
QStringList AirReadOut(AirChartForm form, QPointF at);

}  // namespace lamvero
