#include "engine/imap/modified_utf7.h"

#include <gtest/gtest.h>

namespace mail::engine::imap {
namespace {

TEST(DecodeModifiedUtf7, DecodesMailboxNames) {
  const struct {
    const char* encoded;
    const char* decoded;
  } rows[] = {
      {"INBOX", "INBOX"},
      {"", ""},
      {"&AOQ-", "ä"},
      {"Entw&APw-rfe", "Entwürfe"},
      {"&-", "&"},
      {"Tom &- Jerry", "Tom & Jerry"},
      {"&AOQA9g-", "äö"},
      {"&AOQ-&-&APY-", "ä&ö"},
      {"&AOQ-x&APY-", "äxö"},
      {"~peter/mail/&U,BTFw-/&ZeVnLIqe-", "~peter/mail/台北/日本語"},
      {"&2D3eAA-", "😀"},
  };
  for (const auto& [encoded, decoded] : rows) {
    SCOPED_TRACE(encoded);
    EXPECT_EQ(decode_modified_utf7(encoded), decoded);
  }
}

TEST(DecodeModifiedUtf7, SaysWhyANameIsNotModifiedUtf7) {
  const struct {
    const char* encoded;
    const char* reason;
  } rows[] = {
      {"Entwürfe", "a byte is not printable ASCII"},
      {"tab\there", "a byte is not printable ASCII"},
      {"&AOQ", "a '&' is not closed by '-'"},
      {"&AOQ-&APY-", "two Base64 runs follow each other"},
      {"&AO/-", "'/' is no Base64 digit"},
      {"&AOQA-", "the Base64 ends in stray bits"},
      {"&AOR-", "the Base64 ends in stray bits"},
      {"&2D0-", "the UTF-16 has an unpaired surrogate"},
      {"&3gA-", "the UTF-16 has an unpaired surrogate"},
      {"&AGE-", "ASCII is Base64-encoded"},
  };
  for (const auto& [encoded, reason] : rows) {
    SCOPED_TRACE(encoded);
    EXPECT_EQ(decode_modified_utf7(encoded),
              std::unexpected("\"" + std::string(encoded) + "\" is not modified UTF-7: " + reason));
  }
}

}  // namespace
}  // namespace mail::engine::imap
