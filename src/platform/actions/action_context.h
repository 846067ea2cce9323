#pragma once

#include <cstdint>
#include <string>

#include "platform/actions/encoded_action.h"

namespace orvo::actions {

// How an invocation reached the application. Operations that change the document
// are admitted only on the mutable path, file saves only through the file portal;
// an encoded action handed over as it is takes the direct path.
enum class InvocationPath : std::uint8_t { Direct, Mutable, Portal };

// Who is acting and how the change is to be named in the document's history.
struct ActionContext {
  std::string application_id;
  std::string application_label;
  std::string change_label;
  InvocationPath path = InvocationPath::Direct;

  // A copy labelled after the action: its variant name made readable ("SetRead"
  // gives "Set read"), or "Update" when the payload names no variant.
  [[nodiscard]] ActionContext enriched_by(const EncodedAction& action) const;
};

}  // namespace orvo::actions
