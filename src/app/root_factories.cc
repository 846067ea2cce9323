#include "app/root_factories.h"

#include <chrono>

#include "app/mail_app.h"
#include "app/scene_setup.h"
#include "app/scenes.h"
#include "engine/sample_mailbox.h"
#include "engine/start_engine.h"
#include "platform/accounts/config_root.h"
#include "platform/log/log.h"
#include "platform/ui/ui_waker.h"
#include "state/account_list.h"

namespace mail::app {
namespace {

constexpr std::string_view target = "mail::app";

message::Minutes minutes_now() {
  const auto since_epoch = std::chrono::system_clock::now().time_since_epoch();
  return std::max<message::Minutes>(0, std::chrono::duration_cast<std::chrono::minutes>(since_epoch).count());
}

state::AccountList load_user_accounts() {
  auto store = orvo::accounts::AccountStore::load();
  if (!store) {
    orvo::log::warn(target, "mail: could not load the account store", {{"error", store.error()}});
    store = orvo::accounts::AccountStore();
  }
  auto vault = orvo::accounts::SecretVault::open();
  if (!vault) orvo::log::warn(target, "mail: could not open the secret vault", {{"error", vault.error()}});
  return state::load_account_list(*store, vault ? &*vault : nullptr);
}

std::vector<state::AccountEntry> entries_for(std::vector<engine::AccountConfig> accounts) {
  std::vector<state::AccountEntry> entries;
  for (engine::AccountConfig& config : accounts) entries.push_back({.id = config.email, .config = std::move(config)});
  return entries;
}

std::shared_ptr<state::MailState> sample_state() {
  engine::SampleMailbox sample = engine::sample_mailbox();
  auto state = std::make_shared<state::MailState>(entries_for(std::move(sample.accounts)), 0,
                                                  orvo::ui::ImageStore::create(), engine::sample_clock_minutes);
  for (message::MessageRecord& record : sample.messages) state->store.insert(std::move(record));
  state->repair_selection();
  return state;
}

std::shared_ptr<state::MailState> first_run_state() {
  return std::make_shared<state::MailState>(std::vector<state::AccountEntry>(), 0, orvo::ui::ImageStore::create(),
                                            engine::sample_clock_minutes);
}

LocalStateLocation scene_location() {
  auto folder = orvo::storage::TempFolder::create("orvo-mail-sample-");
  if (!folder) {
    orvo::log::warn(target, "mail: scene runs without a local state folder", {{"error", folder.error()}});
    return LocalStateLocation::none();
  }
  return LocalStateLocation::owned(std::move(*folder));
}

}  // namespace

std::unique_ptr<orvo::ui::Widget> make_normal_root() {
  state::AccountList accounts = load_user_accounts();
  auto state = std::make_shared<state::MailState>(std::move(accounts.entries), accounts.active,
                                                  orvo::ui::ImageStore::create(), minutes_now());
  const auto root = orvo::accounts::config_root();
  return std::make_unique<MailApp>(std::move(state), root ? LocalStateLocation::at(*root) : LocalStateLocation::none(),
                                   engine::start_engine(root, orvo::ui::wake_ui));
}

std::unique_ptr<orvo::ui::Widget> make_scene_root(const orvo::ui::LaunchContext& context) {
  const std::string_view scene = requested_scene(context.scene);
  auto app = std::make_unique<MailApp>(scene == "firstrun" ? first_run_state() : sample_state(), scene_location(),
                                       std::nullopt);
  apply_scene_setup(*app, scene);
  return app;
}

}  // namespace mail::app
