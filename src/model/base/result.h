// The one way a routine of the game says that it failed: it returns a
// Result, holding either what it yields or a typed error saying what went
// wrong (an enum of refusals, a small struct with the message to show, or a
// std::error_code for the operating system's file errors). Result keeps the
// interface of std::expected, and Failure that of std::unexpected, so both
// can give way to the standard ones once the compiler offers them. A question
// that cannot fail answers a plain bool instead.
#pragma once

#include <optional>
#include <utility>
#include <variant>

namespace velmora {

// The error side of a Result: `return Failure{error};`.
template <class E>
class Failure {
 public:
  explicit Failure(E error) : error_(std::move(error)) {}
  E& error() & { return error_; }
  E&& error() && { return std::move(error_); }

 private:
  E error_;
};

// A value of T, or the error E that kept the routine from yielding one.
// operator* and -> assume a value; value() checks (std::bad_variant_access).
template <class T, class E>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  template <class G>
  Result(Failure<G> failure) : state_(std::in_place_index<1>, std::move(failure).error()) {}

  bool has_value() const { return state_.index() == 0; }
  explicit operator bool() const { return has_value(); }

  T& value() & { return std::get<0>(state_); }
  const T& value() const& { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  T& operator*() & { return *std::get_if<0>(&state_); }
  const T& operator*() const& { return *std::get_if<0>(&state_); }
  T&& operator*() && { return std::move(*std::get_if<0>(&state_)); }
  T* operator->() { return std::get_if<0>(&state_); }
  const T* operator->() const { return std::get_if<0>(&state_); }

  const E& error() const { return *std::get_if<1>(&state_); }

 private:
  // Indexed, so that T and E may be the same type.
  std::variant<T, E> state_;
};

// A routine that yields nothing but can fail: success, or the error.
template <class E>
class [[nodiscard]] Result<void, E> {
 public:
  Result() = default;
  template <class G>
  Result(Failure<G> failure) : error_(std::move(failure).error()) {}

  bool has_value() const { return !error_.has_value(); }
  explicit operator bool() const { return has_value(); }
  const E& error() const { return *error_; }

 private:
  std::optional<E> error_;
};

}  // namespace velmora
