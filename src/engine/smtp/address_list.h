#pragma once

#include <string_view>
#include <vector>

#include "message/contact.h"

namespace mail::engine::smtp {

// The contacts of an address field as typed: pieces cut at every "," and ";",
// trimmed, empty ones dropped. "Name <address>" gives a named contact; any other
// piece is taken whole as the address, even when it is not one.
std::vector<message::Contact> split_address_list(std::string_view field);

}  // namespace mail::engine::smtp
