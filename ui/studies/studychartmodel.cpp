#include "ui/studies/studychartmodel.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "text/parsenumber.h"

namespace lamvero {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The number of a text as an input box reads it; NaN for a text that is none.
double NumberOf(const std::string& text) {
  const InputNumber read = ReadInputNumber(text);
  return read.reading == NumberReading::Number ? read.value : kNaN;
}

}  // namespace

void StudyChartModel::reset(const StudyResults* results) {
  results_ = results;
  taken_ = 0;
  axes_.clear();
  arrivals_ = {};
  arrival_.clear();
  if (!results_) return;
  const std::size_t n = std::min(kAxes, results_->variedFields.size());
  for (std::size_t i = 0; i < n; ++i) axes_.push_back(StudyAxisValues{results_->variedFields[i], {}, {}, true});
  update();
}

void StudyChartModel::update() {
  if (!results_) return;
  bool newTexts = false;
  for (; taken_ < results_->rows.size(); ++taken_) newTexts = takeIn(results_->rows[taken_]) || newTexts;
  if (!newTexts) return;
  for (std::size_t i = 0; i < axes_.size(); ++i) order(i);
}

bool StudyChartModel::takeIn(const StudyRow& row) {
  std::array<std::size_t, kAxes> at;
  at.fill(kNoRow);
  bool newText = false;
  for (std::size_t i = 0; i < axes_.size() && i < row.varied.size(); ++i) {
    Arrivals& a = arrivals_[i];
    const auto [it, added] = a.index.emplace(row.varied[i], a.texts.size());
    if (added) a.texts.push_back(row.varied[i]);
    newText = newText || added;
    at[i] = it->second;
  }
  arrival_.push_back(at);
  return newText;
}

void StudyChartModel::order(std::size_t axis) {
  Arrivals& a = arrivals_[axis];
  std::vector<double> numbers(a.texts.size());
  std::transform(a.texts.begin(), a.texts.end(), numbers.begin(), NumberOf);
  const bool numeric = std::all_of(numbers.begin(), numbers.end(), [](double v) { return std::isfinite(v); });
  std::vector<std::size_t> shown(a.texts.size());
  std::iota(shown.begin(), shown.end(), std::size_t{0});
  if (numeric) {
    std::stable_sort(shown.begin(), shown.end(), [&](std::size_t l, std::size_t r) { return numbers[l] < numbers[r]; });
  }
  StudyAxisValues& values = axes_[axis];
  values.numeric = numeric;
  values.texts.clear();
  values.numbers.clear();
  a.place.assign(a.texts.size(), 0);
  for (std::size_t k = 0; k < shown.size(); ++k) {
    values.texts.push_back(a.texts[shown[k]]);
    values.numbers.push_back(numbers[shown[k]]);
    a.place[shown[k]] = k;
  }
}

double StudyChartModel::valueOf(std::size_t row, std::size_t quantity) const {
  const StudyRow& r = results_->rows.at(row);
  return r.outcome == RunOutcome::Completed ? r.values.at(quantity) : kNaN;
}

std::vector<std::size_t> StudyChartModel::rowsAt(std::size_t slice) const {
  if (axes_.empty()) return {};
  const std::size_t columns = axes_[0].texts.size();
  const std::size_t lines = axes_.size() > 1 ? axes_[1].texts.size() : 1;
  std::vector<std::size_t> cells(columns * lines, kNoRow);
  for (std::size_t row = 0; row < arrival_.size(); ++row) {
    const std::array<std::size_t, kAxes>& at = arrival_[row];
    if (std::any_of(at.begin(), at.begin() + static_cast<std::ptrdiff_t>(axes_.size()),
                    [](std::size_t k) { return k == kNoRow; })) {
      continue;  // a row without a text for every varied input has no place
    }
    if (axes_.size() > 2 && arrivals_[2].place[at[2]] != slice) continue;
    const std::size_t line = axes_.size() > 1 ? arrivals_[1].place[at[1]] : 0;
    cells[arrivals_[0].place[at[0]] + columns * line] = row;
  }
  return cells;
}

std::vector<StudyCurve> StudyChartModel::curves(std::size_t quantity, std::size_t slice) const {
  const std::vector<std::size_t> cells = rowsAt(slice);
  if (cells.empty()) return {};
  const StudyAxisValues& across = axes_[0];
  const std::size_t columns = across.texts.size();
  std::vector<StudyCurve> curves(cells.size() / columns);
  for (std::size_t line = 0; line < curves.size(); ++line) {
    StudyCurve& curve = curves[line];
    curve.value = line;
    std::vector<StudyPoint> stretch;
    for (std::size_t column = 0; column < columns; ++column) {
      const std::size_t row = cells[column + columns * line];
      const double y = row == kNoRow ? kNaN : valueOf(row, quantity);
      const double x = across.numbers[column];
      if (std::isfinite(x) && std::isfinite(y)) {
        stretch.push_back(StudyPoint{x, y, row});
      } else if (!stretch.empty()) {
        curve.stretches.push_back(std::move(stretch));
        stretch.clear();
      }
    }
    if (!stretch.empty()) curve.stretches.push_back(std::move(stretch));
  }
  return curves;
}

StudyGrid StudyChartModel::grid(std::size_t quantity, std::size_t slice) const {
  StudyGrid grid;
  grid.cellRow = rowsAt(slice);
  if (grid.cellRow.empty()) return grid;
  grid.columns = axes_[0].texts.size();
  grid.rows = grid.cellRow.size() / grid.columns;
  grid.cellValue.reserve(grid.cellRow.size());
  for (std::size_t row : grid.cellRow) {
    const double v = row == kNoRow ? kNaN : valueOf(row, quantity);
    grid.cellValue.push_back(v);
    if (!std::isfinite(v)) continue;
    grid.low = std::isfinite(grid.low) ? std::min(grid.low, v) : v;
    grid.high = std::isfinite(grid.high) ? std::max(grid.high, v) : v;
  }
  return grid;
}

}  // namespace lamvero
