#pragma once
// What the study charts draw, without Qt: the values each varied input took,
// ordered as the axes show them, and for a chosen key result the family of
// curves (the result over the first varied input, one curve per value of the
// second) and the grid of the colour map (first input across, second up).
// Where a third input is varied, one of its values is shown at a time.
// Rows arriving while a study runs are taken in once each.

#include <array>
#include <cstddef>
#include <limits>
#include <string>
#include <unordered_map>
#include <vector>

#include "study/studyresults.h"

namespace lamvero {

// The values one varied input took: ascending when all of them are numbers,
// else in the order the rows brought them.
struct StudyAxisValues {
  Input field = Input::Dicke;
  std::vector<std::string> texts;
  std::vector<double> numbers;  // of each text, NaN for a text that is no number
  bool numeric = true;          // every text a number
};

constexpr std::size_t kNoRow = std::numeric_limits<std::size_t>::max();

struct StudyPoint {
  double x;
  double y;
  std::size_t row;  // index into StudyResults::rows
};

// One curve: the value of the second varied input it stands for and its
// stretches of points; a case without a value ends a stretch.
struct StudyCurve {
  std::size_t value = 0;  // index into the second axis's texts (0 with one varied input)
  std::vector<std::vector<StudyPoint>> stretches;
};

struct StudyGrid {
  std::size_t columns = 0, rows = 0;  // values of the first and the second varied input
  std::vector<std::size_t> cellRow;   // row of each cell (column + columns · row), kNoRow where none
  std::vector<double> cellValue;      // the result, NaN where there is none
  double low = std::numeric_limits<double>::quiet_NaN();  // smallest and largest value shown
  double high = std::numeric_limits<double>::quiet_NaN();
};

class StudyChartModel {
 public:
  // Forgets everything; with results, takes in the rows they hold.
  void reset(const StudyResults* results);
  // Takes in the rows added since.
  void update();

  const StudyResults* results() const { return results_; }
  std::size_t axisCount() const { return axes_.size(); }
  const StudyAxisValues& axis(std::size_t i) const { return axes_.at(i); }

  // For the key result `quantity` (index into StudyQuantities()) and the
  // value `slice` of the third varied input (ignored without one).
  std::vector<StudyCurve> curves(std::size_t quantity, std::size_t slice) const;
  StudyGrid grid(std::size_t quantity, std::size_t slice) const;

  // The result of a row as the charts show it: NaN unless the case completed.
  double valueOf(std::size_t row, std::size_t quantity) const;

 private:
  // The charts show up to three varied inputs; a study varies no more.
  static constexpr std::size_t kAxes = 3;
  // The texts of one axis in the order they first came, and where each is shown.
  struct Arrivals {
    std::unordered_map<std::string, std::size_t> index;
    std::vector<std::string> texts;
    std::vector<std::size_t> place;
  };
  // Whether the row brought a text an axis did not have yet.
  bool takeIn(const StudyRow& row);
  void order(std::size_t axis);
  // The row at each place of the first two axes for that slice, first axis fastest.
  std::vector<std::size_t> rowsAt(std::size_t slice) const;

  const StudyResults* results_ = nullptr;
  std::size_t taken_ = 0;
  std::vector<StudyAxisValues> axes_;
  std::array<Arrivals, kAxes> arrivals_;
  std::vector<std::array<std::size_t, kAxes>> arrival_;  // each row's text on each axis, as an arrival index
};

}  // namespace lamvero
