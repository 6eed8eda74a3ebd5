#pragma once
// The storage of one quantity over the half-plate grid: indices 0..size-1.
// Sized once when a run is set up and reused for every step, so a step
// allocates nothing. Made without a size it holds kGridSize values, the grid
// of the largest run the window starts.

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <vector>

namespace lamvero {

// Capacity of the grid for the run as the window starts it: indices 0..501
// (500 layers, the surface value and the mirror across the centre plane).
constexpr int kGridSize = 502;

template <class T>
class GridStorage {
 public:
  GridStorage() : v_(kGridSize, T{}) {}
  explicit GridStorage(int size) : v_(static_cast<std::size_t>(size), T{}) {}

  // Makes room for indices 0..size-1; the values are all zero afterwards.
  // Storage of that size already is reused without a new allocation.
  void resize(int size) { v_.assign(static_cast<std::size_t>(size), T{}); }
  int size() const { return static_cast<int>(v_.size()); }
  void fill(T value) { std::fill(v_.begin(), v_.end(), value); }
  // The first values from the list, the rest zero; the size stays.
  GridStorage& operator=(std::initializer_list<T> first) {
    fill(T{});
    std::copy(first.begin(), first.begin() + std::min(first.size(), v_.size()), v_.begin());
    return *this;
  }

  T& operator[](int i) { return v_[static_cast<std::size_t>(i)]; }
  T operator[](int i) const { return v_[static_cast<std::size_t>(i)]; }
  bool operator==(const GridStorage& other) const { return v_ == other.v_; }
  T* data() { return v_.data(); }
  const T* begin() const { return v_.data(); }
  const T* end() const { return v_.data() + v_.size(); }

 private:
  std::vector<T> v_;
};

using GridArray = GridStorage<double>;
using GridArrayF = GridStorage<float>;

}  // namespace lamvero
