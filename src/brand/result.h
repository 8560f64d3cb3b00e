// A value or the message that says why there is none: errors travel up to
// the tool's entry, which alone prints them and picks the exit code.
#pragma once

#include <string>
#include <utility>
#include <variant>

struct Failure {
  std::string message;
};

template <typename T>
class Result {
 public:
  Result(T value) : state_(std::move(value)) {}
  Result(Failure failure) : state_(std::move(failure)) {}

  bool ok() const { return state_.index() == 0; }
  const T& value() const& { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  const std::string& error() const { return std::get<1>(state_).message; }
  Failure failure() const { return std::get<1>(state_); }

 private:
  std::variant<T, Failure> state_;
};
