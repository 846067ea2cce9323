#include "engine/imap/base64.h"

#include <gtest/gtest.h>

namespace mail::engine::imap {
namespace {

TEST(EncodeBase64, MatchesTheStandardVectors) {
  const struct {
    const char* bytes;
    const char* encoded;
  } rows[] = {
      {"", ""},
      {"f", "Zg=="},
      {"fo", "Zm8="},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="},
      {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"},
      {"\xff\xfe\xfd", "//79"},
  };
  for (const auto& [bytes, encoded] : rows) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(encode_base64(bytes), encoded);
  }
}

}  // namespace
}  // namespace mail::engine::imap
