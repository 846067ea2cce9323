#pragma once

#include <cstdint>
#include <expected>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/fluent_pattern.h"

namespace orvo::ui {

// The localised texts of one user-interface thread: Fluent resources registered per
// locale, looked up in the current locale and then in the source language.
// `revision` moves whenever what a lookup returns may have changed, so a caller can
// tell whether a registration took effect and a view whether to re-read its texts.
class I18nManager {
 public:
  static constexpr std::string_view source_locale = "en-US";

  // The manager of the calling thread; texts are read on the thread that shows them.
  static I18nManager& for_this_thread();

  [[nodiscard]] std::uint64_t revision() const { return revision_; }
  [[nodiscard]] const std::string& current_locale() const { return current_locale_; }

  // Switches to `locale`; resources already registered stay.
  void init(std::string_view locale);
  // Adds the resource's messages to `locale`, replacing messages with the same keys.
  // A malformed resource adds nothing and leaves the revision as it was.
  std::expected<void, std::string> add_resource(std::string_view locale, std::string_view resource);

  void set_pseudo_locale(bool on);
  [[nodiscard]] bool pseudo_locale() const { return pseudo_locale_; }

  // A missing key yields the key itself, so a gap shows on screen instead of nothing.
  [[nodiscard]] std::string lookup(std::string_view key) const;
  // As `lookup`, never pseudo-localised.
  [[nodiscard]] std::string lookup_plain(std::string_view key) const;
  [[nodiscard]] std::string format(std::string_view key, const std::vector<FluentArg>& args) const;

 private:
  using Messages = std::map<std::string, FluentPattern, std::less<>>;

  [[nodiscard]] const FluentPattern* find(std::string_view key) const;
  [[nodiscard]] std::string render(std::string_view key, const std::vector<FluentArg>& args, bool pseudo) const;

  std::map<std::string, Messages, std::less<>> locales_;
  std::string current_locale_{source_locale};
  bool pseudo_locale_ = false;
  std::uint64_t revision_ = 0;
};

}  // namespace orvo::ui
