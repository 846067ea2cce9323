#pragma once

#include <expected>
#include <string>
#include <vector>

#include "engine/account_config.h"
#include "message/draft_data.h"

namespace mail::engine::smtp {

// What the server is told apart from the message: who sends it and who receives it.
struct Envelope {
  std::string reverse_path;
  std::vector<std::string> recipients;
  friend bool operator==(const Envelope&, const Envelope&) = default;
};

// The account's address as the reverse path; as recipients, every contact of To, Cc
// and Bcc, in that order, that is a bare address. Pieces that are not addresses are
// skipped, so a draft fails only when none is left. This is the only place the Bcc
// recipients go: the message itself never names them.
std::expected<Envelope, std::string> build_envelope(const AccountConfig& account, const message::DraftData& draft);

}  // namespace mail::engine::smtp
