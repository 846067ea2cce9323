#pragma once

#include <cstdint>
#include <expected>
#include <nlohmann/json.hpp>
#include <string>

#include "platform/actions/action_context.h"
#include "platform/actions/action_error.h"
#include "platform/actions/action_registry.h"
#include "platform/actions/encoded_action.h"

namespace orvo::actions {

// A change made to the document: the kind that made it, its label and the document's
// heads after it, by which readers of the document see what changed since.
struct AppliedChange {
  std::string kind;
  std::string label;
  std::uint64_t heads = 0;
  friend bool operator==(const AppliedChange&, const AppliedChange&) = default;
};

nlohmann::ordered_json to_json(const AppliedChange& change);

// Carries decoded actions to a document in this process. The document names its state
// by `heads()`.
template <class Document>
class LocalTransport {
 public:
  explicit LocalTransport(Document& document) : document_(document) {}

  std::expected<void, ActionError> apply(const TypedAction<Document>& action) {
    if (auto applied = action.apply(document_); !applied) return std::unexpected(ActionError::failed(applied.error()));
    return {};
  }

  [[nodiscard]] auto heads() const { return document_.heads(); }

 private:
  Document& document_;
};

// Decodes the action with the handler registered for its kind and applies it through
// the transport, labelled by the context enriched with the action.
template <class Document>
std::expected<AppliedChange, ActionError> dispatch_by_with_context(const ActionRegistry& registry,
                                                                   LocalTransport<Document>& transport,
                                                                   const EncodedAction& action,
                                                                   const ActionContext& context) {
  auto typed = registry.decode<Document>(action);
  if (!typed) return std::unexpected(typed.error());
  if (auto applied = transport.apply(*typed); !applied) return std::unexpected(applied.error());
  return AppliedChange{action.kind, context.enriched_by(action).change_label, transport.heads()};
}

}  // namespace orvo::actions
