#include "platform/storage/document_codec.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <type_traits>

namespace orvo::storage {
namespace {

// MessagePack, because it keeps texts as raw bytes where JSON would insist on UTF-8.
using Json = nlohmann::json;

std::string pack(const Json& json) {
  const std::vector<std::uint8_t> bytes = Json::to_msgpack(json);
  return {bytes.begin(), bytes.end()};
}

Json unpack(std::string_view bytes) {
  return Json::from_msgpack(bytes.begin(), bytes.end(), /*strict=*/true, /*allow_exceptions=*/false);
}

Json value_to_json(const DocumentValue& value) {
  return std::visit(
      [](const auto& held) -> Json {
        if constexpr (std::is_same_v<std::decay_t<decltype(held)>, DocumentMap>) {
          return Json::object();
        } else {
          return Json(held);
        }
      },
      value);
}

bool is_text_array(const Json& json) {
  return json.is_array() && std::ranges::all_of(json, [](const Json& item) { return item.is_string(); });
}

std::optional<DocumentValue> value_from_json(const Json& json) {
  if (json.is_object() && json.empty()) return DocumentMap{};
  if (json.is_boolean()) return json.get<bool>();
  if (json.is_string()) return json.get<std::string>();
  if (is_text_array(json)) return json.get<TextList>();
  return std::nullopt;
}

std::optional<DocumentPath> path_from_json(const Json& json) {
  if (!is_text_array(json) || json.empty()) return std::nullopt;
  return json.get<DocumentPath>();
}

bool is_pair(const Json& json) { return json.is_array() && json.size() == 2; }

// Every entry below the root needs a map above it.
bool has_map_parent(const DocumentEntries& entries, const DocumentPath& path) {
  if (path.size() == 1) return true;
  const auto parent = entries.find(DocumentPath(path.begin(), path.end() - 1));
  return parent != entries.end() && std::holds_alternative<DocumentMap>(parent->second);
}

}  // namespace

std::string encode_operation(const DocumentOperation& operation) {
  return pack(Json::array({operation.path, operation.value ? value_to_json(*operation.value) : Json(nullptr)}));
}

std::optional<DocumentOperation> decode_operation(std::uint64_t sequence, std::string_view bytes) {
  const Json json = unpack(bytes);
  if (!is_pair(json)) return std::nullopt;
  auto path = path_from_json(json[0]);
  if (!path) return std::nullopt;
  DocumentOperation operation{.sequence = sequence, .path = std::move(*path)};
  if (json[1].is_null()) return operation;
  operation.value = value_from_json(json[1]);
  if (!operation.value) return std::nullopt;
  return operation;
}

std::string encode_entries(const DocumentEntries& entries) {
  Json json = Json::array();
  for (const auto& [path, value] : entries) json.push_back(Json::array({path, value_to_json(value)}));
  return pack(json);
}

std::optional<DocumentEntries> decode_entries(std::string_view bytes) {
  const Json json = unpack(bytes);
  if (!json.is_array()) return std::nullopt;
  DocumentEntries entries;
  for (const Json& entry : json) {
    if (!is_pair(entry)) return std::nullopt;
    auto path = path_from_json(entry[0]);
    auto value = value_from_json(entry[1]);
    if (!path || !value || !entries.emplace(std::move(*path), std::move(*value)).second) return std::nullopt;
  }
  const auto orphan = std::ranges::find_if_not(entries, [&](const auto& entry) {
    return has_map_parent(entries, entry.first);
  });
  if (orphan != entries.end()) return std::nullopt;
  return entries;
}

}  // namespace orvo::storage
