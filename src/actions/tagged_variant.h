#pragma once

#include <expected>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "actions/field_reader.h"

namespace mail::actions {

// The externally tagged JSON form of a variant whose alternatives each carry
// `static constexpr std::string_view tag`: an alternative without fields is its
// name as a JSON string, any other an object whose one member, named after it,
// holds its fields. Each alternative with fields provides, for lookup by its
// namespace:
//   nlohmann::ordered_json fields_to_json(const T&);
//   T fields_from_json(FieldReader&, std::type_identity<T>);

template <class Variant>
std::string_view variant_name(const Variant& value) {
  return std::visit([](const auto& alternative) { return std::decay_t<decltype(alternative)>::tag; }, value);
}

template <class Variant>
nlohmann::ordered_json tagged_to_json(const Variant& value) {
  return std::visit(
      [](const auto& alternative) {
        using T = std::decay_t<decltype(alternative)>;
        nlohmann::ordered_json json(T::tag);
        if constexpr (!std::is_empty_v<T>) {
          json = nlohmann::ordered_json::object();
          json[std::string(T::tag)] = fields_to_json(alternative);
        }
        return json;
      },
      value);
}

namespace detail {

template <class Variant, std::size_t index = 0>
std::expected<Variant, std::string> decode_alternative(std::string_view enum_name, std::string_view name,
                                                       const nlohmann::ordered_json* fields) {
  if constexpr (index == std::variant_size_v<Variant>) {
    return std::unexpected("unknown " + std::string(enum_name) + " variant \"" + std::string(name) + "\"");
  } else {
    using T = std::variant_alternative_t<index, Variant>;
    if (name != T::tag) return decode_alternative<Variant, index + 1>(enum_name, name, fields);
    if constexpr (std::is_empty_v<T>) {
      if (fields != nullptr) return std::unexpected(std::string(T::tag) + ": takes no fields");
      return T{};
    } else {
      FieldReader reader(T::tag, fields);
      T value = fields_from_json(reader, std::type_identity<T>{});
      if (reader.error()) return std::unexpected(*reader.error());
      return value;
    }
  }
}

}  // namespace detail

template <class Variant>
std::expected<Variant, std::string> tagged_from_json(const nlohmann::ordered_json& json, std::string_view enum_name) {
  if (json.is_string()) {
    return detail::decode_alternative<Variant>(enum_name, json.get_ref<const std::string&>(), nullptr);
  }
  if (json.is_object() && json.size() == 1) {
    return detail::decode_alternative<Variant>(enum_name, json.begin().key(), &json.begin().value());
  }
  return std::unexpected("a " + std::string(enum_name) +
                         " is a variant name or an object with one member named after the variant");
}

}  // namespace mail::actions
