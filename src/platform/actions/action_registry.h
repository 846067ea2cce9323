#pragma once

#include <any>
#include <expected>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "platform/actions/action_error.h"
#include "platform/actions/encoded_action.h"

namespace orvo::actions {

// A decoded action, ready to change the document it is dispatched against.
template <class Document>
struct TypedAction {
  std::function<std::expected<void, std::string>(Document&)> apply;
};

// Reads the payload of one kind of action; refuses what it cannot read.
template <class Document>
using ActionDecoder = std::function<std::expected<TypedAction<Document>, ActionError>(const nlohmann::ordered_json&)>;

// The decoders of the actions an application accepts, one per kind. The framework does
// not know the application's document type: each decoder is registered for one, and
// decoding for another type finds no handler.
class ActionRegistry {
 public:
  // A kind can be registered once; a second registration is refused.
  template <class Document>
  std::expected<void, std::string> register_handler(std::string kind, ActionDecoder<Document> decoder) {
    return add(std::move(kind), std::any(std::move(decoder)));
  }

  template <class Document>
  std::expected<TypedAction<Document>, ActionError> decode(const EncodedAction& action) const {
    const std::any* handler = find(action.kind);
    const auto* decoder = handler == nullptr ? nullptr : std::any_cast<ActionDecoder<Document>>(handler);
    if (decoder == nullptr) return std::unexpected(no_handler(action.kind));
    return (*decoder)(action.payload);
  }

  [[nodiscard]] std::vector<std::string> kinds() const;

 private:
  std::expected<void, std::string> add(std::string kind, std::any handler);
  [[nodiscard]] const std::any* find(std::string_view kind) const;
  static ActionError no_handler(std::string_view kind);

  std::map<std::string, std::any, std::less<>> handlers_;
};

}  // namespace orvo::actions
