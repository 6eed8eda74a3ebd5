#pragma once
// The coordinate a search moves an input along: 0 at its lower bound, 1 at
// its upper. An input whose bounds span a decade or more (the moisture
// conductivity, 1 to 200) moves on a logarithmic scale, so that a step means
// the same factor everywhere; any other moves linearly.

namespace lamvero {

class SearchScale {
 public:
  SearchScale(double lower, double upper);  // lower < upper, both finite

  bool logarithmic() const { return logarithmic_; }
  double toUnit(double value) const;  // the value's coordinate, clamped into [0, 1]
  double fromUnit(double u) const;    // the value at coordinate u; exactly lower at 0 and upper at 1

 private:
  double lower_, upper_;
  bool logarithmic_;
};

}  // namespace lamvero
