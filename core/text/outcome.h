#pragma once
// What a step that can fail for a reason the user must read hands back: its
// value, or why not. Reading a file, a table or an option, saving, writing a
// report: every such step returns an Outcome (a Status when there is no value).

#include <optional>
#include <string>
#include <utility>

namespace lamvero {

// Why something the user asked for cannot be done, as the user reads it.
struct Failure {
  std::string where;   // what it is about: the file, its line, the option, the field; may be empty
  std::string reason;  // what is wrong there

  // "where: reason", or the reason alone.
  std::string text() const { return where.empty() ? reason : where + ": " + reason; }
};

// The value a Status carries: none.
struct Done {};

template <typename T>
class [[nodiscard]] Outcome {
 public:
  Outcome(T value) : value_(std::move(value)) {}  // NOLINT: a value is the usual outcome
  Outcome(Failure failure) : failure_(std::move(failure)) {}  // NOLINT: so is a failure

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }

  // The value; only when ok().
  const T& value() const& { return *value_; }
  T& value() & { return *value_; }
  T&& value() && { return std::move(*value_); }
  const T* operator->() const { return &*value_; }

  // Why not; only when !ok().
  const Failure& failure() const { return failure_; }
  std::string message() const { return failure_.text(); }

 private:
  std::optional<T> value_;
  Failure failure_;
};

using Status = Outcome<Done>;

}  // namespace lamvero
