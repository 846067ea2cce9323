#include "engine/smtp/envelope.h"

#include "engine/smtp/address_list.h"
#include "engine/smtp/bare_address.h"
#include "message/ascii.h"

namespace mail::engine::smtp {
namespace {

void add_recipients(std::string_view field, std::vector<std::string>& recipients) {
  for (const message::Contact& contact : split_address_list(field)) {
    if (auto address = parse_bare_address(contact.address)) recipients.push_back(std::move(*address));
  }
}

}  // namespace

std::expected<Envelope, std::string> build_envelope(const AccountConfig& account, const message::DraftData& draft) {
  auto reverse_path = parse_bare_address(message::trim_blanks(account.email));
  if (!reverse_path) return std::unexpected("invalid From address: " + reverse_path.error());

  Envelope envelope{.reverse_path = std::move(*reverse_path)};
  for (const std::string* field : {&draft.to, &draft.cc, &draft.bcc}) add_recipients(*field, envelope.recipients);
  if (envelope.recipients.empty()) return std::unexpected("no valid recipients");
  return envelope;
}

}  // namespace mail::engine::smtp
