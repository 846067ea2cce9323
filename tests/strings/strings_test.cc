#include "strings/strings.h"

#include <gtest/gtest.h>

#include <thread>

#include "platform/ui/i18n_manager.h"

namespace mail::strings {
namespace {

TEST(Strings, TheResourceIsKeptByteForByte) {
  EXPECT_EQ(resource.size(), 1971u);
  EXPECT_TRUE(resource.ends_with("mail-compose-prompt-cancel = Cancel\n"));
  EXPECT_EQ(resource.find('\r'), std::string_view::npos);
}

TEST(Strings, LooksUpAndFormatsTexts) {
  EXPECT_EQ(text("mail-search-placeholder"), "Search");
  EXPECT_EQ(text("mail-setup-subtitle-add"), "Enter your email \u2014 server details fill in automatically.");
  EXPECT_EQ(text("mail-compose-attach"), "\U0001F4CE Attach");
  EXPECT_EQ(format("mail-setup-oauth-sign-in", {{"provider", text("mail-setup-oauth-provider-fallback")}}),
            "Sign in with your provider");
  EXPECT_EQ(format("mail-setup-oauth-sign-in", {{"provider", "Gmail"}}), "Sign in with Gmail");
}

// Each thread has its own manager; registering again on a thread changes nothing.
TEST(Strings, RegistersOncePerThreadEvenWithThePseudoLocaleOn) {
  std::thread([] {
    orvo::ui::I18nManager& manager = orvo::ui::I18nManager::for_this_thread();
    manager.set_pseudo_locale(true);
    ensure_registered();
    const auto revision = manager.revision();
    for (int i = 0; i < 5; ++i) (void)text("mail-setup-save");
    EXPECT_EQ(manager.revision(), revision);
    EXPECT_TRUE(manager.pseudo_locale());
    EXPECT_EQ(manager.lookup_plain("mail-setup-save"), "Save & verify");
  }).join();
}

}  // namespace
}  // namespace mail::strings
