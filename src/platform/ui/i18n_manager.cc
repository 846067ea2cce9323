#include "platform/ui/i18n_manager.h"

#include "platform/ui/fluent_parser.h"
#include "platform/ui/pseudo_locale.h"

namespace orvo::ui {

I18nManager& I18nManager::for_this_thread() {
  thread_local I18nManager manager;
  return manager;
}

void I18nManager::init(std::string_view locale) {
  current_locale_ = locale;
  ++revision_;
}

std::expected<void, std::string> I18nManager::add_resource(std::string_view locale, std::string_view resource) {
  auto messages = parse_fluent(resource);
  if (!messages) return std::unexpected(messages.error());
  Messages& target = locales_[std::string(locale)];
  for (FluentMessage& message : *messages) target.insert_or_assign(std::move(message.key), std::move(message.pattern));
  ++revision_;
  return {};
}

void I18nManager::set_pseudo_locale(bool on) {
  if (pseudo_locale_ == on) return;
  pseudo_locale_ = on;
  ++revision_;
}

std::string I18nManager::lookup(std::string_view key) const { return render(key, {}, pseudo_locale_); }

std::string I18nManager::lookup_plain(std::string_view key) const { return render(key, {}, false); }

std::string I18nManager::format(std::string_view key, const std::vector<FluentArg>& args) const {
  return render(key, args, pseudo_locale_);
}

const FluentPattern* I18nManager::find(std::string_view key) const {
  for (const std::string_view locale : {std::string_view(current_locale_), source_locale}) {
    const auto messages = locales_.find(locale);
    if (messages == locales_.end()) continue;
    if (const auto message = messages->second.find(key); message != messages->second.end()) return &message->second;
  }
  return nullptr;
}

std::string I18nManager::render(std::string_view key, const std::vector<FluentArg>& args, bool pseudo) const {
  const FluentPattern* pattern = find(key);
  if (pattern == nullptr) return std::string(key);
  if (!pseudo) return format_pattern(*pattern, args);
  return format_pattern(pseudo_localize(*pattern), args);
}

}  // namespace orvo::ui
