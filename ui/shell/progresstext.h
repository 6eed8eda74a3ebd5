#pragma once
// How the window writes the time of long work beside the user (a study, a
// fit): durations in whole seconds, and the time left when the steps of the
// work take about the same time each.

#include <QString>
#include <cstddef>

namespace lamvero {

// A duration as the window writes one ("0:01:05"), whole seconds rounded up.
QString DurationText(double seconds);

// The time left after `done` of `total` steps in `elapsed` seconds: the mean
// time per step times the steps left, as DurationText writes it; empty before
// the first step and once all are done.
QString TimeLeftText(double elapsed, std::size_t done, std::size_t total);

}  // namespace lamvero
