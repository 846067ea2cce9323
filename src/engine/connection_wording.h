#pragma once

#include <string>
#include <string_view>

namespace mail::engine {

// Turns the raw text of a connection, TLS or login failure — the operating system's,
// the TLS library's or a server's words — into one short sentence a person can act
// on, or "connection failed: {}" around the raw text when it fits no known kind.
std::string connection_problem_wording(std::string_view error);

}  // namespace mail::engine
