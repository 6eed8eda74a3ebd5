#pragma once
// Material laws of the green clay body: ideal volumetric shrinkage above the
// limit moisture, dry dimensions below it, and the moisture conductivity.

namespace lamvero {

// Constants of the clay body for one run, fixed by the set-up.
struct ClayBody {
  double rhos = 0;        // density of the dried body, kg/m³
  double SchwindTot = 0;  // total linear drying shrinkage, fraction of the green length
  double rho0 = 0;        // dry mass per m³ of green body, kg/m³
  double PhiAnf = 0;      // initial volumetric water content of the green body, m³/m³
  double offPoren = 0;    // open porosity of the dry body, m³/m³
  double XSchwEnde = 0;   // limit moisture (end of shrinkage), kg/kg
  double KappaGr = 0;     // moisture conductivity at the limit moisture and 25 °C, m²/s
  double KappaSteig = 0;  // decimal-logarithmic slope of the conductivity below the limit moisture
};

// The body at 0.25 kg/kg, the moisture to which the entered conductivity refers.
struct BodyAt25 {
  double Schwind25 = 0;  // linear shrinkage, fraction
  double rho25 = 0;      // dry mass per m³ of the current volume, kg/m³
  double Phi25 = 0;      // volumetric water content, m³/m³
};

// Derives the shrinkage constants and KappaGr of a body whose rhos is set,
// from its initial moisture XAnf (kg/kg), its total linear shrinkage
// linTrSchwind (%) and its conductivity Feuchteleit (m²/s) at 0.25 kg/kg and
// 25 °C. Nothing is checked: inputs outside the model give infinities or NaN.
BodyAt25 DeriveClayBody(ClayBody& body, double XAnf, double linTrSchwind, double Feuchteleit);

// Linear shrinkage relative to the green body at moisture X (kg/kg). Meant for
// X >= XSchwEnde; below it the same formula continues (values above SchwindTot).
double ShrinkageAtMoisture(const ClayBody& body, double X);

// Dry mass per m³ of the current volume at linear shrinkage s (fraction), kg/m³.
double DryDensityAtShrinkage(const ClayBody& body, double s);

// Volumetric water content (m³/m³ of the current volume) at linear shrinkage s.
double VolumetricWaterFromShrinkage(const ClayBody& body, double s);

// Moisture conductivity (m²/s) at moisture X (kg/kg) and temperature theta (°C).
double MoistureConductivity(const ClayBody& body, double X, double theta);

}  // namespace lamvero
