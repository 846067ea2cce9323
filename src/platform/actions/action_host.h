#pragma once

#include <cstdint>
#include <expected>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>
#include <variant>

#include "platform/actions/action_context.h"
#include "platform/actions/action_error.h"
#include "platform/actions/action_registry.h"
#include "platform/actions/encoded_action.h"
#include "platform/actions/resource.h"

namespace orvo::actions {

using ActionResult = std::expected<nlohmann::ordered_json, ActionError>;

// An invoked operation that goes on after the invocation returns (a refresh waits
// for the server, a file save for the portal); its result is collected later.
struct PendingOperation {
  std::uint64_t id = 0;
};

using Invocation = std::variant<ActionResult, PendingOperation>;

// What a root widget that publishes actions offers the framework besides being a
// widget: the launcher finds it on the root it built.
class ActionHost {
 public:
  virtual ~ActionHost() = default;

  // The whole tree, built from the application's state as it is now.
  [[nodiscard]] virtual Resource action_resources() const = 0;
  // One resource by id; by default looked up in the whole tree. A host overrides it to
  // reach resources the tree leaves out.
  [[nodiscard]] virtual std::optional<Resource> resolve_resource(std::string_view id) const;

  // Carries out an admitted action: a document change decoded through the registry,
  // or one of the application's own operations.
  virtual Invocation invoke(const EncodedAction& action, const ActionContext& context,
                            const ActionRegistry& registry) = 0;
  // The result of a pending operation once it has one.
  virtual std::optional<ActionResult> collect(PendingOperation operation) = 0;
  virtual void cancel(PendingOperation operation) = 0;
};

}  // namespace orvo::actions
