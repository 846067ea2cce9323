#include "platform/crypto/base64.h"

#include <gtest/gtest.h>

namespace orvo::crypto {
namespace {

struct Vector {
  std::string_view bytes;
  std::string_view text;
};

// RFC 4648, section 10.
constexpr Vector rfc_vectors[] = {
    {"", ""},
    {"f", "Zg=="},
    {"fo", "Zm8="},
    {"foo", "Zm9v"},
    {"foob", "Zm9vYg=="},
    {"fooba", "Zm9vYmE="},
    {"foobar", "Zm9vYmFy"},
};

TEST(Base64, RfcVectorsBothWays) {
  for (const Vector& vector : rfc_vectors) {
    SCOPED_TRACE(vector.bytes);
    EXPECT_EQ(base64_encode(vector.bytes), vector.text);
    EXPECT_EQ(base64_decode(vector.text), std::string(vector.bytes));
  }
}

TEST(Base64, EveryByteValueSurvivesTheRoundTrip) {
  std::string bytes;
  for (int value = 255; value >= 0; --value) bytes += static_cast<char>(value);
  const std::string text = base64_encode(bytes);
  EXPECT_TRUE(text.starts_with("//79"));
  EXPECT_EQ(base64_decode(text), bytes);
}

TEST(Base64, DecodeRejectsAnythingButCanonicalPaddedText) {
  for (std::string_view text : {
           "Zg=",         // not whole quanta
           "Zg==Zg==",    // padding before the end
           "Z===",        // a lone character cannot hold a byte
           "=Zg=",        // padding first
           "Zh==",        // bits beyond the last byte
           "Zm9=",        // the same with one "="
           "Zm9v YmFy",   // a blank
           "Zm9v\nYmFy",  // a line break
           "Zm9-",        // the URL-safe alphabet
       }) {
    SCOPED_TRACE(text);
    EXPECT_EQ(base64_decode(text), std::nullopt);
  }
}

}  // namespace
}  // namespace orvo::crypto
