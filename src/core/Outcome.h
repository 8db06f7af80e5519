#pragma once

// What an operation that may refuse hands back: its result, or the text
// that tells the user why nothing was done. A refusal is an answer, not a
// failure: malformed input that stops a compile is an arvento::Error.

#include <string>
#include <utility>
#include <variant>

namespace arvento {

struct Refusal {
  explicit Refusal(std::string message) : text(std::move(message)) {}
  std::string text;
};

template <class T> class Outcome {
public:
  Outcome(T result) : state_(std::move(result)) {}
  Outcome(Refusal refusal) : state_(std::move(refusal)) {}

  bool Refused() const { return std::holds_alternative<Refusal>(state_); }
  // Only when Refused().
  const std::string& RefusalText() const { return std::get<Refusal>(state_).text; }
  // Only when not Refused().
  const T& Result() const { return std::get<T>(state_); }
  T& Result() { return std::get<T>(state_); }

private:
  std::variant<T, Refusal> state_;
};

} // namespace arvento
