#pragma once

#include <nlohmann/json.hpp>

#include "platform/actions/resource.h"

namespace orvo::actions {

// The tree as the shell and tools read it: every resource with its actions (their
// parameters, schemas, flags, contracts and availability) and its children.
nlohmann::ordered_json to_json(const Resource& resource);

}  // namespace orvo::actions
