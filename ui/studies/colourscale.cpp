#include "ui/studies/colourscale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lamvero {

namespace {

// Evenly spaced stops of the scale, low to high; between them it runs straight in RGB.
constexpr std::array<std::array<int, 3>, 10> kStops{{
    {0x44, 0x01, 0x54}, {0x48, 0x28, 0x78}, {0x3E, 0x4A, 0x89}, {0x31, 0x68, 0x8E}, {0x26, 0x82, 0x8E},
    {0x1F, 0x9E, 0x89}, {0x35, 0xB7, 0x79}, {0x6D, 0xCD, 0x59}, {0xB4, 0xDE, 0x2C}, {0xFD, 0xE7, 0x25},
}};

}  // namespace

QColor ScaleColour(double fraction) {
  const double f = std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
  const double at = f * static_cast<double>(kStops.size() - 1);
  const std::size_t low = std::min(static_cast<std::size_t>(at), kStops.size() - 2);
  const double t = at - static_cast<double>(low);
  int rgb[3];
  for (std::size_t c = 0; c < 3; ++c) {
    rgb[c] = static_cast<int>(std::lround(kStops[low][c] + t * (kStops[low + 1][c] - kStops[low][c])));
  }
  return QColor(rgb[0], rgb[1], rgb[2]);
}

double ScaleFraction(double value, double low, double high) {
  if (!(high > low)) return 0.5;
  return (value - low) / (high - low);
}

}  // namespace lamvero
