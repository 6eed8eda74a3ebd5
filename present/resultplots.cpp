#include "present/resultplots.h"

#include <cmath>
#include <limits>

namespace lamvero {

namespace {

constexpr Rgb kBlack{0, 0, 0};

using Transform = double (*)(const RunRecord&, double);

// Draws with every tenth stored point, from `first` on.
class TenthPoints {
 public:
  TenthPoints(const RunRecord& s, Canvas& c) : s_(s), c_(c) {}

  float x(double k) const { return static_cast<float>(TimeX(k, s_.series.nReihe)); }

  // The segment of `series` from point k to point k + 10.
  void segment(const Series& series, Transform T, int k, Rgb colour) {
    c_.line(x(k), static_cast<float>(T(s_, series[k])), x(k + 10), static_cast<float>(T(s_, series[k + 10])),
            colour);
  }

  void curve(const Series& series, Transform T, int first, Rgb colour) {
    for (int k = first; k <= s_.series.nReihe - 10; k += 10) segment(series, T, k, colour);
  }

  // Vertical lines between two series at every tenth point from 1, as far
  // right as xUntil.
  void band(const Series& a, const Series& b, Transform T, double xUntil, Rgb colour) {
    for (int k = 1; k <= s_.series.nReihe - 10; k += 10) {
      if (xUntil < TimeX(k, s_.series.nReihe)) break;
      c_.line(x(k), static_cast<float>(T(s_, a[k])), x(k), static_cast<float>(T(s_, b[k])), colour);
    }
  }

  // A shrinkage curve through points 0, 10, 20, ... up to the end time, then
  // straight up to the top edge at the end time and along it to the right edge:
  // after its shrinkage has ended the layer keeps the total shrinkage.
  void shrinkage(const Series& series, double endTime, Rgb colour) {
    const float xEnd = static_cast<float>(TimeX(endTime, s_.results.Zeit));
    const float yTop = static_cast<float>(ShrinkageY(s_, s_.values.linTrSchwind));
    int k = 1;
    for (; k <= s_.series.nReihe - 10; k += 10) {
      if (TimeX(endTime, s_.results.Zeit) < TimeX(k, s_.series.nReihe)) break;
      c_.line(x(k - 1), static_cast<float>(ShrinkageY(s_, series[k - 1])), x(k + 9),
              static_cast<float>(ShrinkageY(s_, series[k + 9])), colour);
    }
    c_.line(x(k - 1), static_cast<float>(ShrinkageY(s_, series[k - 1])), xEnd, yTop, colour);
    c_.line(xEnd, yTop, static_cast<float>(TimeX(s_.results.Zeit, s_.results.Zeit)), yTop, colour);
  }

  // A full-height vertical marker at time t.
  void marker(double t, Rgb colour) {
    const float xt = static_cast<float>(TimeX(t, s_.results.Zeit));
    c_.line(xt, 0, xt, 4300, colour);
  }

 private:
  const RunRecord& s_;
  Canvas& c_;
};

}  // namespace

double TimeX(double a, double b) { return 10500 * a / b; }

double MoistureY(const RunRecord& s, double X) { return 4300 - 4300 * X / s.values.XAnf; }

double TemperatureY(const RunRecord& s, double theta) {
  return 4300 - 4300 * (theta - s.values.AussenluftTemp) / (s.results.ThetaZuluft - s.values.AussenluftTemp);
}

double FrontY(const RunRecord& s, double sSpiegel) { return 8600 * (sSpiegel - s.derived.dx / 2) / s.derived.DickeTr; }

double RateY(const RunRecord& s, double m) { return 4300 - 3640 * m / s.results.WasserdampfMax; }

double ShrinkageY(const RunRecord& s, double S) {
  if (s.values.linTrSchwind > kNoShrinkage) return 4300 - 4300 * S / s.values.linTrSchwind;
  return 4300;
}

bool CanDrawResultPlots(const RunRecord& s) {
  if (s.outcome != RunOutcome::Completed || s.series.nReihe < 0 || s.series.nReihe > kMaxSeriesIndex) return false;
  for (const SeriesColumn& c : SeriesColumns()) {
    if ((s.series.*c.member).capacity() < static_cast<std::size_t>(s.series.points())) return false;
  }
  const auto usable = [](double divisor) { return std::isfinite(divisor) && divisor != 0; };
  return usable(s.values.XAnf) && usable(s.results.Zeit) && usable(s.results.WasserdampfMax) &&
         usable(s.derived.DickeTr) && usable(s.results.ThetaZuluft - s.values.AussenluftTemp);
}

namespace {

// The moisture and shrinkage bands behind everything, and the markers of the
// stages of the run.
void DrawBandsAndMarkers(const RunRecord& s, Canvas& c, TenthPoints& p) {
  c.refresh();
  c.setPenWidth(3);
  p.band(s.series.XOberflReihe, s.series.XKernReihe, MoistureY, std::numeric_limits<double>::infinity(),
         Rgb{235, 235, 230});
  c.refresh();
  p.band(s.series.SchwOberflReihe, s.series.SchwKernReihe, ShrinkageY, TimeX(s.results.t2xse, s.results.Zeit),
         Rgb{225, 225, 255});

  c.setPenWidth(1);
  c.setLineStyle(LineStyle::DashDotDot);
  if (s.values.linTrSchwind > kNoShrinkage) {
    p.marker(s.results.t1xse, Rgb{0, 0, 255});
    p.marker(s.results.t2xse, Rgb{0, 0, 255});
  }
  p.marker(s.results.Dauer1TA, Rgb{255, 0, 0});
  c.setLineStyle(LineStyle::Solid);
  // The end of the counter-current section, only if this run reached it: a run
  // that never switched would otherwise show the switch of an earlier run.
  if (!std::isnan(s.results.DauerGegenstrom)) p.marker(s.results.DauerGegenstrom, kBlack);
  c.refresh();
}

// The mean, surface and core moisture and the drying front.
void DrawMoistureAndFront(const RunRecord& s, Canvas& c, TenthPoints& p) {
  c.setPenWidth(2);
  p.curve(s.series.XReihe, MoistureY, 1, kBlack);
  c.refresh();

  c.setPenWidth(1);
  for (int k = 1; k <= s.series.nReihe - 10; k += 10) {
    p.segment(s.series.XOberflReihe, MoistureY, k, kBlack);
    p.segment(s.series.XKernReihe, MoistureY, k, kBlack);
  }
  c.refresh();

  c.setPenWidth(4);
  p.curve(s.series.SpiegelReihe, FrontY, 1, Rgb{240, 240, 0});
  c.setPenWidth(1);
  p.curve(s.series.SpiegelReihe, FrontY, 1, kBlack);
  c.refresh();
}

// The temperatures, the evaporation rate and the shrinkage.
void DrawTemperaturesAndShrinkage(const RunRecord& s, Canvas& c, TenthPoints& p) {
  c.setPenWidth(2);
  p.curve(s.series.ThetaObReihe, TemperatureY, 0, Rgb{200, 170, 0});
  c.refresh();

  for (int k = 0; k <= s.series.nReihe - 10; k += 10) {
    p.segment(s.series.ThetaKReihe, TemperatureY, k, Rgb{255, 0, 245});
    p.segment(s.series.WasserdampfReihe, RateY, k, Rgb{0, 255, 0});
  }
  c.refresh();

  if (!(s.values.linTrSchwind < kNoShrinkage)) {
    c.setPenWidth(2);
    p.shrinkage(s.series.SchwOberflReihe, s.results.t1xse, Rgb{0, 0, 255});
    p.shrinkage(s.series.SchwKernReihe, s.results.t2xse, Rgb{0, 0, 255});
  }

  c.setPenWidth(2);
  p.curve(s.series.ThetaLuftReihe, TemperatureY, 0, Rgb{255, 0, 0});
}

}  // namespace

void DrawResultPlots(const RunRecord& s, Canvas& c) {
  if (s.series.nReihe < 0 || s.series.nReihe > kMaxSeriesIndex) return;  // beyond the stored series
  TenthPoints p(s, c);
  DrawBandsAndMarkers(s, c, p);
  DrawMoistureAndFront(s, c, p);
  DrawTemperaturesAndShrinkage(s, c, p);
  c.refresh();
  c.setPenWidth(1);
  c.refresh();
}

}  // namespace lamvero
