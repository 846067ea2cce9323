#pragma once

#include <string>
#include <string_view>

namespace mail::message {

// "Re: " in front, unless the subject already starts with "re:" in any case.
std::string reply_subject(std::string_view subject);

// The subject without surrounding blanks and every leading "Re:", "Fwd:" and "Fw:",
// so that "Plans" and "Re: Fwd: Plans" name one topic.
std::string_view base_subject(std::string_view subject);

// "Fwd: " in front of the subject stripped of every leading "Re:", "Fwd:" and "Fw:",
// so that forwarding a forwarded reply does not pile up prefixes.
std::string forward_subject(std::string_view subject);

}  // namespace mail::message
