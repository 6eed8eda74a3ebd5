#include "physics/claybody.h"

#include <cmath>

namespace lamvero {

// Ideal volumetric shrinkage: the body's volume relative to the green volume is
// 1 - PhiAnf + rho0 X / 1000 (water gone = volume gone), shrinking alike in all
// three directions.
double ShrinkageAtMoisture(const ClayBody& body, double X) {
  return 1 - std::pow(1 - body.PhiAnf + body.rho0 * X / 1000, 1.0 / 3.0);
}

// Dry mass is conserved, so the density grows with the cube of the linear
// contraction until the body has its dry dimensions.
double DryDensityAtShrinkage(const ClayBody& body, double s) {
  if (s < body.SchwindTot) return body.rhos * std::pow((1 - body.SchwindTot) / (1 - s), 3.0);
  return body.rhos;
}

// Water left after the volume 1 - (1 - s)³ has gone, per current volume.
double VolumetricWaterFromShrinkage(const ClayBody& body, double s) {
  return DryDensityAtShrinkage(body, s) * (body.PhiAnf - (1 - std::pow(1 - s, 3.0))) / body.rho0;
}

// Below the limit moisture the decimal logarithm of kappa falls linearly with
// the volumetric water content, above it kappa rises with its square; the
// temperature factor is 1 + 0.0225 (theta - 25).
double MoistureConductivity(const ClayBody& body, double X, double theta) {
  double PhiW;
  if (X <= body.XSchwEnde) {
    PhiW = X * body.rhos / 1000;  // dry dimensions
  } else {
    PhiW = X * DryDensityAtShrinkage(body, ShrinkageAtMoisture(body, X)) / 1000;
  }
  double kappa25;
  if (PhiW > 0 && PhiW < body.offPoren) {
    kappa25 = body.KappaGr * std::pow(10.0, body.KappaSteig * (PhiW - body.offPoren));
  } else if (PhiW >= body.offPoren) {
    // A square is the product, the correctly rounded square; pow(x, 2) of the
    // math library is not always, and compilers replace it by the product only
    // when optimising.
    const double ratio = PhiW / body.offPoren;
    kappa25 = body.KappaGr * (ratio * ratio);
  } else {
    kappa25 = body.KappaGr * std::pow(10.0, -body.KappaSteig * body.offPoren);
  }
  return kappa25 * (80 + 1.8 * (theta - 25)) / 80;
}

// Each m³ of water that leaves shrinks the body by one m³, until only the pores
// of the dry body hold water; the dry mass of one m³ of dried body took
// 1 / (1 - SchwindTot)³ m³ when green. Water has 1000 kg/m³.
BodyAt25 DeriveClayBody(ClayBody& body, double XAnf, double linTrSchwind, double Feuchteleit) {
  body.SchwindTot = linTrSchwind / 100;
  body.rho0 = body.rhos * std::pow(1 - body.SchwindTot, 3.0);
  body.PhiAnf = std::pow(1 - body.SchwindTot, 3.0) * (body.rhos * XAnf / 1000);
  body.offPoren = body.rhos * (body.PhiAnf - (1 - std::pow(1 - body.SchwindTot, 3.0))) / body.rho0;
  body.XSchwEnde = 1000 * body.offPoren / body.rhos;
  BodyAt25 at25;
  at25.Schwind25 = 1 - std::pow(1 - body.PhiAnf + 0.25 * body.rho0 / 1000, 1.0 / 3.0);
  at25.rho25 = body.rhos * std::pow((1 - body.SchwindTot) / (1 - at25.Schwind25), 3.0);
  at25.Phi25 = at25.rho25 * (body.PhiAnf - (1 - std::pow(1 - at25.Schwind25, 3.0))) / body.rho0;
  // Chosen so that the conductivity law gives Feuchteleit at Phi25 and 25 °C.
  const double poreRatio = body.offPoren / at25.Phi25;
  body.KappaGr = Feuchteleit * (poreRatio * poreRatio);
  return at25;
}

}  // namespace lamvero
