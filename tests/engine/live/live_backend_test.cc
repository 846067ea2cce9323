#include "engine/live/live_backend.h"

#include <gtest/gtest.h>

#include "engine/live/scoped_variable.h"

namespace mail::engine::live {
namespace {

// Requests that fail before any byte goes to the network, so no server is needed.
TEST(LiveBackend, RefusesWhatItCannotDoYetAndAccountsItCannotReach) {
  const ScopedVariable no_microsoft_client("ORVO_MAIL_MICROSOFT_CLIENT_ID", std::nullopt);
  const ScopedVariable google_client("ORVO_MAIL_GOOGLE_CLIENT_ID", "client");
  const AccountConfig reachable{.email = "ann@example.org", .imap_host = "imap.example.org", .password = "secret"};
  AccountConfig no_host = reachable;
  no_host.imap_host = " \t ";
  AccountConfig bad_host = reachable;
  bad_host.imap_host = " imap example.org ";
  AccountConfig no_password = no_host;
  no_password.password.clear();

  const struct {
    EngineRequest request;
    const char* operation;
    const char* error;
  } cases[] = {
      {request::Connect{RequestId::generate(), no_host}, "connect", "no IMAP host"},
      {request::Sync{RequestId::generate(), bad_host}, "fetch", "invalid IMAP host name: ' ' is not allowed"},
      {request::SetFlags{RequestId::generate(), no_password}, "flag", "no password set for this account"},
      {request::Send{RequestId::generate(), reachable}, "smtp", "SMTP submission is not available yet"},
      {request::OAuthSignIn{RequestId::generate(), "ann@outlook.com", "ann@outlook.com", OAuthProvider::Microsoft},
       "oauth", "set ORVO_MAIL_MICROSOFT_CLIENT_ID to sign in"},
      {request::OAuthSignIn{RequestId::generate(), "ann@gmail.com", "ann@gmail.com", OAuthProvider::Google}, "oauth",
       "browser sign-in is not available yet"},
  };
  const auto backend = LiveBackend::create();
  ASSERT_TRUE(backend.has_value()) << backend.error();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    auto [sender, receiver] = orvo::thread::make_channel<EngineEvent>();
    (*backend)->handle(c.request, sender);
    const auto events = receiver.drain();
    ASSERT_EQ(events.size(), 1u);
    const auto& failed = std::get<event::Failed>(events[0]);
    EXPECT_EQ(failed.id, id_of(c.request));
    EXPECT_EQ(failed.kind, kind_of(c.request));
    EXPECT_EQ(failed.operation, c.operation);
    EXPECT_EQ(failed.error, c.error);
  }
}

}  // namespace
}  // namespace mail::engine::live
