#include "integration/maildir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace orvo::test_servers {
namespace {

// Comfortably in the past, so no name collides with one Dovecot makes itself.
constexpr std::uint64_t first_name_time = 1'700'000'000;

std::string system_error(std::string_view what, const std::filesystem::path& path) {
  return std::string(what) + " " + path.string() + ": " + std::strerror(errno);
}

std::expected<void, std::string> make_owned_directory(const std::filesystem::path& path, MailOwner owner) {
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
    return std::unexpected(system_error("could not create", path));
  }
  if (::chown(path.c_str(), owner.uid, owner.gid) != 0) {
    return std::unexpected(system_error("could not hand over", path));
  }
  return {};
}

std::expected<void, std::string> make_folder(const MaildirTarget& target) {
  std::filesystem::path path = target.base;
  for (const auto& part : target.folder.lexically_relative(target.base)) {
    path /= part;
    if (auto made = make_owned_directory(path, target.owner); !made) return made;
  }
  for (const char* const part : {"cur", "new", "tmp"}) {
    if (auto made = make_owned_directory(target.folder / part, target.owner); !made) return made;
  }
  return {};
}

// Dovecot keeps messages with LF line ends and serves them with CRLF.
std::string with_lf_line_ends(std::string_view raw) {
  std::string text;
  text.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (!(raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')) text += raw[i];
  }
  return text;
}

std::string sorted_flags(std::string flags) {
  std::ranges::sort(flags);
  flags.erase(std::unique(flags.begin(), flags.end()), flags.end());
  return flags;
}

std::expected<void, std::string> deliver_one(const MaildirTarget& target, const SeedMessage& message,
                                             std::uint64_t sequence) {
  const std::string name = std::to_string(first_name_time + sequence) + ".M" + std::to_string(sequence) + "P" +
                           std::to_string(::getpid()) + ".orvo-test";
  const std::filesystem::path draft = target.folder / "tmp" / name;
  const std::filesystem::path final = target.folder / "cur" / (name + ":2," + sorted_flags(message.flags));
  std::ofstream file(draft, std::ios::binary);
  file << with_lf_line_ends(message.raw);
  file.close();
  if (!file) return std::unexpected(system_error("could not write", draft));
  if (::chown(draft.c_str(), target.owner.uid, target.owner.gid) != 0 || ::rename(draft.c_str(), final.c_str()) != 0) {
    return std::unexpected(system_error("could not deliver", final));
  }
  return {};
}

}  // namespace

std::expected<void, std::string> deliver(const MaildirTarget& target, std::span<const SeedMessage> messages,
                                         std::uint64_t& next_sequence) {
  if (auto made = make_folder(target); !made) return made;
  for (const SeedMessage& message : messages) {
    if (auto delivered = deliver_one(target, message, next_sequence++); !delivered) return delivered;
  }
  return {};
}

std::filesystem::path maildir_folder(const std::filesystem::path& maildir, std::string_view mailbox) {
  if (mailbox == "INBOX") return maildir;
  std::string name(mailbox);
  std::ranges::replace(name, '/', '.');
  return maildir / ("." + name);
}

}  // namespace orvo::test_servers
