#pragma once
// Where a scale puts its ticks: at round values, 1, 2 or 5 times a power of
// ten apart, about six of them over the span.

namespace lamvero {

// The distance of two ticks over `span` (0 for a span that is not a positive number).
double RoundStep(double span);

}  // namespace lamvero
