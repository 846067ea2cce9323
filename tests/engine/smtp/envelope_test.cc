#include "engine/smtp/envelope.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mail::engine::smtp {
namespace {

const AccountConfig account{.email = "mira@example.org"};

TEST(BuildEnvelope, TakesEveryBareAddressOfToCcAndBccInOrder) {
  const struct {
    const char* name;
    message::DraftData draft;
    std::vector<std::string> recipients;
  } cases[] = {
      {"mixed separators with an empty piece", {.to = "a@x.org; b@x.org,, c@x.org"}, {"a@x.org", "b@x.org", "c@x.org"}},
      {"named contacts give their address",
       {.to = "Ann <a@x.org>", .cc = "\"Bo\" <b@x.org>", .bcc = "Cy <c@x.org>"},
       {"a@x.org", "b@x.org", "c@x.org"}},
      {"only a Bcc", {.bcc = "hidden@x.org"}, {"hidden@x.org"}},
      {"text that is no address is skipped", {.to = "Bob, a@x.org", .cc = "<not an address>"}, {"a@x.org"}},
  };
  for (const auto& [name, draft, recipients] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(build_envelope(account, draft), (Envelope{.reverse_path = "mira@example.org", .recipients = recipients}));
  }
}

TEST(BuildEnvelope, FailsWhenNoRecipientIsAnAddress) {
  for (const message::DraftData& draft : {message::DraftData{.to = "Bob"}, message::DraftData{.to = " ;, "}}) {
    SCOPED_TRACE(draft.to);
    EXPECT_EQ(build_envelope(account, draft), std::unexpected("no valid recipients"));
  }
}

TEST(BuildEnvelope, TakesTheAccountAddressWithoutBlanksAsReversePath) {
  const auto envelope = build_envelope({.email = " \tmira@example.org \n"}, {.to = "a@x.org"});
  ASSERT_TRUE(envelope) << envelope.error();
  EXPECT_EQ(envelope->reverse_path, "mira@example.org");
}

TEST(BuildEnvelope, RefusesAnAccountAddressThatIsNoAddress) {
  const struct {
    const char* email;
    const char* error;
  } cases[] = {
      {"  ", "invalid From address: the address is empty"},
      {"Mira <mira@example.org>",
       "invalid From address: \"Mira <mira@example.org>\" contains a character that an e-mail address cannot hold"},
  };
  for (const auto& [email, error] : cases) {
    SCOPED_TRACE(email);
    EXPECT_EQ(build_envelope({.email = email}, {.to = "a@x.org"}), std::unexpected(error));
  }
}

}  // namespace
}  // namespace mail::engine::smtp
