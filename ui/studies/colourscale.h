#pragma once
// The colour scale of the study's colour map: perceptually even from dark
// blue over green to yellow, so that equal steps of the result look like
// equal steps of colour, also in grey print and to most colour-blind eyes.

#include <QColor>

namespace lamvero {

// The colour at a fraction of the scale (0 its low end, 1 its high end;
// values beyond are held at the ends).
QColor ScaleColour(double fraction);

// The fraction of the scale a value takes between low and high; 0.5 when
// they are equal.
double ScaleFraction(double value, double low, double high);

}  // namespace lamvero
