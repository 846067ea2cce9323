#include "engine/smtp/address_list.h"

#include "message/ascii.h"

namespace mail::engine::smtp {
namespace {

// Quotes around a display name are only the typist's way of grouping it.
std::string_view without_quotes(std::string_view name) {
  while (!name.empty() && name.front() == '"') name.remove_prefix(1);
  while (!name.empty() && name.back() == '"') name.remove_suffix(1);
  return message::trim_blanks(name);
}

message::Contact contact_from_piece(std::string_view piece) {
  const auto open = piece.find('<');
  const auto close = open == std::string_view::npos ? open : piece.find('>', open);
  if (close == std::string_view::npos) return {.address = std::string(piece)};
  message::Contact contact{.address = std::string(message::trim_blanks(piece.substr(open + 1, close - open - 1)))};
  if (const auto name = without_quotes(message::trim_blanks(piece.substr(0, open))); !name.empty()) {
    contact.name = std::string(name);
  }
  return contact;
}

}  // namespace

std::vector<message::Contact> split_address_list(std::string_view field) {
  std::vector<message::Contact> contacts;
  while (!field.empty()) {
    const auto separator = field.find_first_of(",;");
    if (const auto piece = message::trim_blanks(field.substr(0, separator)); !piece.empty()) {
      contacts.push_back(contact_from_piece(piece));
    }
    field = separator == std::string_view::npos ? std::string_view{} : field.substr(separator + 1);
  }
  return contacts;
}

}  // namespace mail::engine::smtp
