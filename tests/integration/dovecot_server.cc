#include "integration/dovecot_server.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <ranges>
#include <utility>

#include "integration/loopback.h"
#include "platform/storage/atomic_file.h"

namespace orvo::test_servers {
namespace {

using Step = std::expected<void, std::string>;

std::expected<MailOwner, std::string> mail_owner() {
  if (::geteuid() != 0) return std::unexpected("a test Dovecot needs root: it hands its mail to the user mail");
  const passwd* const mail = ::getpwnam("mail");
  if (mail == nullptr) return std::unexpected("this system has no user mail");
  return MailOwner{.uid = mail->pw_uid, .gid = mail->pw_gid};
}

std::expected<std::string, std::string> users_file(const std::vector<MailUser>& users) {
  std::string text;
  for (const MailUser& user : users) {
    if ((user.name + user.password).find_first_of(":\n") != std::string::npos) {
      return std::unexpected("a test user's name or password contains ':' or a line break: " + user.name);
    }
    text += user.name + ":{PLAIN}" + user.password + "::::::\n";
  }
  return text;
}

Step write_files(const DovecotSetup& setup, const DovecotOptions& options) {
  const DovecotPaths& paths = setup.paths;
  const auto users = users_file(options.users);
  if (!users) return std::unexpected(users.error());
  if (auto written = atomic_file::write(paths.users(), *users); !written) return written;
  if (!setup.oauth_introspection_url.empty()) {
    auto written = atomic_file::write(paths.oauth2_config(), oauth2_config(setup.oauth_introspection_url));
    if (!written) return written;
  }
  return atomic_file::write(paths.config(), dovecot_config(setup));
}

// Dovecot's helpers run as other users: they must be able to pass through every
// folder down to the root, and the mail belongs to its owner.
Step open_up_folders(const DovecotPaths& paths, MailOwner owner) {
  for (std::filesystem::path above = paths.root.parent_path(); above != above.root_path();
       above = above.parent_path()) {
    struct stat status {};
    if (::stat(above.c_str(), &status) != 0 || (status.st_mode & S_IXOTH) == 0) {
      return std::unexpected(above.string() + " is closed to the user mail; point TMPDIR somewhere open, like /tmp");
    }
  }
  if (::chmod(paths.root.c_str(), 0755) != 0 || ::mkdir(paths.mail().c_str(), 0700) != 0 ||
      ::chown(paths.mail().c_str(), owner.uid, owner.gid) != 0) {
    return std::unexpected("could not prepare " + paths.root.string() + ": " + std::strerror(errno));
  }
  return {};
}

Step wait_until_serving(ChildProcess& dovecot, const DovecotSetup& setup) {
  for (const std::uint16_t port : {setup.imaps_port, setup.imap_port}) {
    if (auto listening = wait_until_listening(dovecot, port); !listening) {
      return std::unexpected("Dovecot: " + listening.error() + "\n" +
                             atomic_file::read(setup.paths.log()).value_or(""));
    }
  }
  return {};
}

// One line of `doveadm -f tab fetch 'uid flags hdr.message-id'`.
std::expected<StoredMessage, std::string> parse_fetched(std::string_view line) {
  const std::size_t first_tab = line.find('\t');
  const std::size_t second_tab = first_tab == std::string_view::npos ? first_tab : line.find('\t', first_tab + 1);
  StoredMessage message;
  const std::string_view uid = line.substr(0, first_tab);
  if (second_tab == std::string_view::npos ||
      std::from_chars(uid.data(), uid.data() + uid.size(), message.uid).ec != std::errc()) {
    return std::unexpected("unexpected line from doveadm: " + std::string(line));
  }
  for (const auto part : std::views::split(line.substr(first_tab + 1, second_tab - first_tab - 1), ' ')) {
    const std::string_view flag(part.begin(), part.end());
    if (!flag.empty() && flag != "\\Recent") message.flags.emplace_back(flag);
  }
  message.message_id = line.substr(second_tab + 1);
  return message;
}

}  // namespace

std::expected<DovecotServer, std::string> DovecotServer::start(const TestCertificates& certificates,
                                                               const DovecotOptions& options) {
  const auto owner = mail_owner();
  if (!owner) return std::unexpected(owner.error());
  auto folder = storage::TempFolder::create("orvo-dovecot-");
  if (!folder) return std::unexpected(folder.error());
  const auto ports = free_loopback_ports(2);
  if (!ports) return std::unexpected(ports.error());
  DovecotSetup setup{.paths = {.root = folder->path()},
                     .identity = certificates.server(),
                     .imap_port = (*ports)[0],
                     .imaps_port = (*ports)[1],
                     .oauth_introspection_url = options.oauth_introspection_url};
  if (auto prepared = open_up_folders(setup.paths, *owner); !prepared) return std::unexpected(prepared.error());
  if (auto written = write_files(setup, options); !written) return std::unexpected(written.error());

  auto process = ChildProcess::start({"dovecot", "-F", "-c", setup.paths.config().string()});
  if (!process) return std::unexpected(process.error());
  if (auto serving = wait_until_serving(*process, setup); !serving) return std::unexpected(serving.error());
  return DovecotServer(std::move(*folder), std::move(setup), *owner, std::move(*process));
}

DovecotServer::DovecotServer(storage::TempFolder folder, DovecotSetup setup, MailOwner owner, ChildProcess process)
    : folder_(std::move(folder)), setup_(std::move(setup)), owner_(owner), process_(std::move(process)) {}

std::expected<void, std::string> DovecotServer::seed(std::string_view user, std::string_view mailbox,
                                                     std::span<const SeedMessage> messages) {
  const std::filesystem::path maildir = setup_.paths.mail() / user / "Maildir";
  return deliver({.base = setup_.paths.mail(), .folder = maildir_folder(maildir, mailbox), .owner = owner_}, messages,
                 next_sequence_);
}

std::expected<std::vector<StoredMessage>, std::string> DovecotServer::read_back(std::string_view user,
                                                                                std::string_view mailbox) const {
  const auto table = run_command({"doveadm", "-c", setup_.paths.config().string(), "-f", "tab", "fetch", "-u",
                                  std::string(user), "uid flags hdr.message-id", "mailbox", std::string(mailbox)});
  if (!table) return std::unexpected(table.error());
  std::vector<StoredMessage> messages;
  // The first line names the columns.
  for (const auto row : std::views::split(*table, '\n') | std::views::drop(1)) {
    const std::string_view line(row.begin(), row.end());
    if (line.empty()) continue;
    auto message = parse_fetched(line);
    if (!message) return std::unexpected(message.error());
    messages.push_back(std::move(*message));
  }
  return messages;
}

std::string DovecotServer::log() const { return atomic_file::read(setup_.paths.log()).value_or(""); }

}  // namespace orvo::test_servers
