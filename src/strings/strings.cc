#include "strings/strings.h"

#include "platform/ui/i18n_manager.h"

namespace mail::strings {
namespace {

// Registration happens once per user-interface thread, whatever its outcome.
thread_local bool registered = false;

// Whether the manager already resolves the program's keys, looked up without the
// pseudo-locale so that its transformation cannot hide the answer.
bool resolves_program_keys(orvo::ui::I18nManager& manager) {
  const bool pseudo = manager.pseudo_locale();
  if (pseudo) manager.set_pseudo_locale(false);
  const std::string probe = manager.lookup_plain(probe_key);
  if (pseudo) manager.set_pseudo_locale(true);
  return probe != probe_key;
}

}  // namespace

// The resource is kept byte for byte: translators work from this text.
const std::string_view resource = R"ftl(# Mail's user-facing strings.
# Keys are added as surfaces move off literals; a string still literal in the
# source is not translated yet rather than excluded.

## List header
mail-search-placeholder = Search

## Account setup sheet
mail-setup-heading-add = Add account
mail-setup-heading-edit = Account settings
mail-setup-subtitle-add = Enter your email — server details fill in automatically.
mail-setup-label-display-name = Display name
mail-setup-label-email = Email
mail-setup-label-username = Username
mail-setup-label-password = Password
mail-setup-label-imap-host = IMAP host
mail-setup-label-smtp-host = SMTP host
mail-setup-label-port = Port
mail-setup-label-sign-in = Sign-in
mail-setup-auth-password = Password
mail-setup-auth-oauth = OAuth
# $provider is the OAuth provider's own name, e.g. Gmail or Outlook.
mail-setup-oauth-sign-in = Sign in with { $provider }
mail-setup-oauth-provider-fallback = your provider
mail-setup-oauth-note-available = Opens your browser to authorize (OAuth2 + PKCE).
mail-setup-oauth-note-unavailable = Not available in this installation · Password sign-in is available.
mail-setup-tls = TLS
mail-setup-hint-verified = Credentials are verified before the account is saved.
mail-setup-save = Save & verify
mail-setup-verifying = Verifying…
mail-setup-finding-provider = Finding provider…
mail-setup-cancel = Cancel
mail-setup-remove = Remove

## Compose window
mail-compose-label-to = To
mail-compose-label-cc = Cc
mail-compose-label-bcc = Bcc
mail-compose-label-subject = Subject
mail-compose-placeholder-to = recipients
mail-compose-cc-bcc = Cc/Bcc
mail-compose-attach = 📎 Attach
mail-compose-send = Send
mail-compose-save-draft = Save draft
mail-compose-discard = Discard
# The prompt keys label an inline bar above the compose buttons, to attach a file by path or insert a link.
mail-compose-prompt-attach = Attach
mail-compose-prompt-link = Link
mail-compose-prompt-add = Add
mail-compose-prompt-cancel = Cancel
)ftl";

void ensure_registered() {
  if (registered) return;
  orvo::ui::I18nManager& manager = orvo::ui::I18nManager::for_this_thread();
  const std::uint64_t before = manager.revision();
  (void)manager.add_resource(manager.current_locale(), resource);
  if (manager.revision() == before && !resolves_program_keys(manager)) {
    manager.init(orvo::ui::I18nManager::source_locale);
    (void)manager.add_resource(orvo::ui::I18nManager::source_locale, resource);
  }
  registered = true;
}

std::string text(std::string_view key) {
  ensure_registered();
  return orvo::ui::I18nManager::for_this_thread().lookup(key);
}

std::string format(std::string_view key, const std::vector<orvo::ui::FluentArg>& args) {
  ensure_registered();
  return orvo::ui::I18nManager::for_this_thread().format(key, args);
}

}  // namespace mail::strings
