#include "message/contact_format.h"

#include <fmt/format.h>

namespace mail::message {

std::string format_contact(const Contact& contact) {
  if (!contact.name || contact.name->empty()) return contact.address;
  return fmt::format("{} <{}>", *contact.name, contact.address);
}

}  // namespace mail::message
