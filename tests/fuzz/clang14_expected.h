#pragma once

// clang 14 cannot compile libstdc++ 12's <expected>, which needs conditionally trivial
// special members (clang has them from version 16). Fuzz builds force-include this
// stand-in: the part of std::expected the parsers use, with the same meaning. It steps
// aside wherever the real one is available.

#include <expected>

#ifndef __cpp_lib_expected

#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace std {

template <class E>
class unexpected {
 public:
  template <class G = E>
  requires(!is_same_v<remove_cvref_t<G>, unexpected> &&
           is_constructible_v<E, G>) constexpr explicit unexpected(G&& error)
      : error_(std::forward<G>(error)) {}

  constexpr const E& error() const& { return error_; }
  constexpr E& error() & { return error_; }
  constexpr E&& error() && { return std::move(error_); }

 private:
  E error_;
};

template <class E>
unexpected(E) -> unexpected<E>;

template <class T, class E>
class expected;

template <class T>
inline constexpr bool is_expected_or_unexpected = false;
template <class T, class E>
inline constexpr bool is_expected_or_unexpected<expected<T, E>> = true;
template <class E>
inline constexpr bool is_expected_or_unexpected<unexpected<E>> = true;

template <class T, class E>
class expected {
 public:
  constexpr expected() requires is_default_constructible_v<T> : state_(in_place_index<0>) {}

  template <class U = T>
  requires(!is_expected_or_unexpected<remove_cvref_t<U>> && is_constructible_v<T, U>) constexpr expected(U&& value)
      : state_(in_place_index<0>, std::forward<U>(value)) {}

  template <class G>
  constexpr expected(const unexpected<G>& error) : state_(in_place_index<1>, error.error()) {}

  template <class G>
  constexpr expected(unexpected<G>&& error) : state_(in_place_index<1>, std::move(error).error()) {}

  template <class U, class G>
  requires(!is_same_v<expected<U, G>, expected> && is_constructible_v<T, U>) constexpr expected(expected<U, G>&& other)
      : state_(other ? State(in_place_index<0>, std::move(*other))
                     : State(in_place_index<1>, std::move(other.error()))) {}

  constexpr bool has_value() const { return state_.index() == 0; }
  constexpr explicit operator bool() const { return has_value(); }

  constexpr const T& operator*() const& { return std::get<0>(state_); }
  constexpr T& operator*() & { return std::get<0>(state_); }
  constexpr T&& operator*() && { return std::get<0>(std::move(state_)); }
  constexpr const T* operator->() const { return &std::get<0>(state_); }
  constexpr T* operator->() { return &std::get<0>(state_); }

  constexpr const E& error() const& { return std::get<1>(state_); }
  constexpr E& error() & { return std::get<1>(state_); }
  constexpr E&& error() && { return std::get<1>(std::move(state_)); }

  template <class U>
  constexpr T value_or(U&& fallback) && {
    return has_value() ? std::move(**this) : static_cast<T>(std::forward<U>(fallback));
  }

 private:
  using State = variant<T, E>;
  State state_;
};

template <class E>
class expected<void, E> {
 public:
  constexpr expected() = default;

  template <class G>
  constexpr expected(const unexpected<G>& error) : error_(in_place, error.error()) {}

  template <class G>
  constexpr expected(unexpected<G>&& error) : error_(in_place, std::move(error).error()) {}

  constexpr bool has_value() const { return !error_.has_value(); }
  constexpr explicit operator bool() const { return has_value(); }

  constexpr const E& error() const& { return *error_; }
  constexpr E& error() & { return *error_; }
  constexpr E&& error() && { return *std::move(error_); }

 private:
  optional<E> error_;
};

}  // namespace std

#endif
