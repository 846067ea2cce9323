#include "platform/json/strict_json.h"

#include <unordered_set>
#include <utility>
#include <vector>

namespace orvo::json {
namespace {

using Json = nlohmann::ordered_json;

// Builds the value from the parser's events, remembering the keys of every object
// still open so that a repeated one stops the parse.
class StrictBuilder {
 public:
  bool null() { return place(nullptr); }
  bool boolean(bool value) { return place(value); }
  bool number_integer(Json::number_integer_t value) { return place(value); }
  bool number_unsigned(Json::number_unsigned_t value) { return place(value); }
  bool number_float(Json::number_float_t value, const std::string& /*token*/) { return place(value); }
  bool string(std::string& value) { return place(std::move(value)); }
  bool binary(Json::binary_t& value) { return place(Json::binary(std::move(value))); }

  bool start_object(std::size_t /*elements*/) { return open(Json::object()); }
  bool start_array(std::size_t /*elements*/) { return open(Json::array()); }
  bool end_object() { return close(); }
  bool end_array() { return close(); }

  bool key(std::string& key) {
    if (!open_.back().keys.insert(key).second) {
      error_ = "duplicate key " + Json(key).dump() + " in a JSON object";
      return false;
    }
    next_key_ = std::move(key);
    return true;
  }

  bool parse_error(std::size_t /*position*/, const std::string& /*token*/, const Json::exception& error) {
    // The library prefixes its own identifier ("[json.exception.parse_error.101] "),
    // which means nothing to whoever reads the message.
    const std::string_view what = error.what();
    const auto prefix_end = what.find("] ");
    error_ = std::string(prefix_end == std::string_view::npos ? what : what.substr(prefix_end + 2));
    return false;
  }

  [[nodiscard]] const std::string& error() const { return error_; }
  Json take() { return std::move(root_); }

 private:
  struct OpenContainer {
    Json* value;
    std::unordered_set<std::string> keys;  // stays empty for arrays
  };

  bool place(Json value) {
    insert(std::move(value));
    return true;
  }

  bool open(Json container) {
    open_.push_back({insert(std::move(container)), {}});
    return true;
  }

  bool close() {
    open_.pop_back();
    return true;
  }

  // The address stays valid while the container is open: values are only ever
  // added to the innermost open container, never to its parents.
  Json* insert(Json value) {
    if (open_.empty()) {
      root_ = std::move(value);
      return &root_;
    }
    Json& parent = *open_.back().value;
    if (parent.is_array()) {
      parent.push_back(std::move(value));
      return &parent.back();
    }
    return &(parent[next_key_] = std::move(value));
  }

  Json root_;
  std::vector<OpenContainer> open_;
  std::string next_key_;
  std::string error_;
};

}  // namespace

std::expected<nlohmann::ordered_json, std::string> parse_strict(std::string_view text) {
  StrictBuilder builder;
  if (!Json::sax_parse(text, &builder)) return std::unexpected(builder.error());
  return builder.take();
}

}  // namespace orvo::json
