#include "integration/dovecot_config.h"

#include <utility>

namespace orvo::test_servers {
namespace {

constexpr std::string_view config_template = R"(# Written by the test fixture; nothing from /etc/dovecot is read.
protocols = imap
listen = 127.0.0.1
base_dir = {root}/run
state_dir = {root}/state
instance_name = orvo-mail-test
log_path = {log}
info_log_path = {log}

# The master runs as root and its helpers as Debian's users for them; the mail
# belongs to Debian's user mail, since Dovecot refuses uid 0.
default_internal_user = dovecot
default_login_user = dovenull
mail_uid = mail
mail_gid = mail
first_valid_uid = 8
first_valid_gid = 8
mail_location = maildir:~/Maildir
# Tests need no durability, and fsync would slow every write.
mail_fsync = never

ssl = yes
ssl_cert = <{certificate}
ssl_key = <{key}
ssl_min_protocol = TLSv1.2

disable_plaintext_auth = no
auth_mechanisms = {mechanisms}
# A failed login would otherwise answer after 2 s, and anvil's penalty would slow
# every later login from 127.0.0.1 by up to 15 s.
auth_failure_delay = 0
service anvil {
  unix_listener anvil-auth-penalty {
    mode = 0
  }
}
passdb {
  driver = passwd-file
  mechanisms = plain login
  args = scheme=PLAIN username_format=%u {users}
}
{oauth_passdb}
userdb {
  driver = passwd-file
  args = username_format=%u {users}
  default_fields = home={mail}/%u
}

namespace inbox {
  inbox = yes
  separator = /
{mailboxes}
}

service imap-login {
  inet_listener imap {
    address = 127.0.0.1
    port = {imap_port}
  }
  inet_listener imaps {
    address = 127.0.0.1
    port = {imaps_port}
    ssl = yes
  }
}
)";

constexpr std::string_view oauth_passdb_template = R"(passdb {
  driver = oauth2
  mechanisms = xoauth2 oauthbearer
  args = {oauth2_config}
}
)";

constexpr std::string_view mailbox_template = R"(  mailbox {name} {
    special_use = \{name}
    auto = subscribe
  }
)";

constexpr std::string_view oauth2_template = R"(introspection_mode = post
introspection_url = {url}
force_introspection = yes
username_attribute = username
active_attribute = active
active_value = true
)";

using Values = std::initializer_list<std::pair<std::string_view, std::string>>;

// `pattern` with every "{name}" of `values` replaced by its value.
std::string fill(std::string_view pattern, Values values) {
  std::string text(pattern);
  for (const auto& [name, value] : values) {
    const std::string placeholder = "{" + std::string(name) + "}";
    std::size_t at = 0;
    while ((at = text.find(placeholder, at)) != std::string::npos) {
      text.replace(at, placeholder.size(), value);
      at += value.size();
    }
  }
  return text;
}

std::string special_mailboxes() {
  std::string text;
  for (const std::string_view mailbox : standard_mailboxes) {
    if (mailbox != "INBOX") text += fill(mailbox_template, {{"name", std::string(mailbox)}});
  }
  return text;
}

}  // namespace

std::string dovecot_config(const DovecotSetup& setup) {
  const bool oauth = !setup.oauth_introspection_url.empty();
  const std::string oauth_passdb =
      oauth ? fill(oauth_passdb_template, {{"oauth2_config", setup.paths.oauth2_config().string()}}) : "";
  return fill(config_template, {{"root", setup.paths.root.string()},
                                {"log", setup.paths.log().string()},
                                {"certificate", setup.identity.certificate.string()},
                                {"key", setup.identity.key.string()},
                                {"mechanisms", oauth ? "plain login xoauth2 oauthbearer" : "plain login"},
                                {"users", setup.paths.users().string()},
                                {"oauth_passdb", oauth_passdb},
                                {"mail", setup.paths.mail().string()},
                                {"mailboxes", special_mailboxes()},
                                {"imap_port", std::to_string(setup.imap_port)},
                                {"imaps_port", std::to_string(setup.imaps_port)}});
}

std::string oauth2_config(std::string_view introspection_url) {
  return fill(oauth2_template, {{"url", std::string(introspection_url)}});
}

}  // namespace orvo::test_servers
