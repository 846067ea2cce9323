#pragma once

#include <sys/types.h>

#include <cstdint>
#include <expected>
#include <filesystem>
#include <span>
#include <string>

namespace orvo::test_servers {

struct SeedMessage {
  std::string raw;  // the whole message, with CRLF or LF line ends
  // Maildir flag letters: D draft, F flagged, R answered, S seen, T deleted.
  std::string flags;
};

struct MailOwner {
  uid_t uid = 0;
  gid_t gid = 0;
};

// A Maildir folder `folder` below `base`; whatever is missing between them is made
// and given to `owner`.
struct MaildirTarget {
  std::filesystem::path base;
  std::filesystem::path folder;
  MailOwner owner;
};

// Puts `messages` straight into the folder's cur/, as a delivery agent would: each
// file is written in tmp/ and renamed into place. Dovecot orders files it has not
// seen by the time in their names, so the names count on from `next_sequence` and
// the messages get UIDs in the order given.
std::expected<void, std::string> deliver(const MaildirTarget& target, std::span<const SeedMessage> messages,
                                         std::uint64_t& next_sequence);

// The Maildir++ folder of `mailbox` in the Maildir at `maildir`.
std::filesystem::path maildir_folder(const std::filesystem::path& maildir, std::string_view mailbox);

}  // namespace orvo::test_servers
