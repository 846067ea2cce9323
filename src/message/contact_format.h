#pragma once

#include <string>

#include "message/contact.h"

namespace mail::message {

// "Mira Quell <mira@example.org>", or the bare address when there is no name to show.
std::string format_contact(const Contact& contact);

}  // namespace mail::message
