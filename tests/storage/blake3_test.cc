#include "platform/crypto/blake3.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace orvo::crypto {
namespace {

struct PublishedVector {
  std::size_t input_length;
  std::string extended_hash;
};

std::vector<PublishedVector> published_vectors() {
  std::ifstream file(ORVO_TEST_DATA "/blake3-vectors.json");
  const auto document = nlohmann::json::parse(file);
  std::vector<PublishedVector> vectors;
  for (const auto& entry : document.at("cases")) {
    vectors.push_back({entry.at("input_len").get<std::size_t>(), entry.at("hash").get<std::string>()});
  }
  return vectors;
}

// The vectors' input: 0, 1, ..., 250 repeated.
std::vector<std::byte> vector_input(std::size_t length) {
  std::vector<std::byte> input(length);
  for (std::size_t i = 0; i < length; ++i) input[i] = std::byte(i % 251);
  return input;
}

std::string hex(std::span<const std::byte> bytes) {
  std::string text;
  for (const std::byte byte : bytes) {
    std::array<char, 3> digits;
    std::snprintf(digits.data(), digits.size(), "%02x", std::to_integer<unsigned>(byte));
    text += digits.data();
  }
  return text;
}

TEST(Blake3, MatchesThePublishedVectorsAtDefaultAndExtendedLength) {
  for (const auto& vector : published_vectors()) {
    SCOPED_TRACE("input length " + std::to_string(vector.input_length));
    const auto input = vector_input(vector.input_length);
    EXPECT_EQ(blake3_hex(input), vector.extended_hash.substr(0, 2 * Blake3::digest_length));
    EXPECT_EQ(blake3_hex(input, vector.extended_hash.size() / 2), vector.extended_hash);
  }
}

// Piece sizes that straddle block and chunk boundaries in every way.
TEST(Blake3, FeedingTheInputInPiecesChangesNothing) {
  for (const auto& vector : published_vectors()) {
    const auto input = vector_input(vector.input_length);
    for (const std::size_t piece : {1, 63, 64, 65, 1023, 1024, 1025, 3000}) {
      SCOPED_TRACE("input length " + std::to_string(vector.input_length) + ", pieces of " + std::to_string(piece));
      Blake3 hasher;
      for (std::size_t offset = 0; offset < input.size(); offset += piece) {
        hasher.update(std::span(input).subspan(offset, std::min(piece, input.size() - offset)));
      }
      EXPECT_EQ(hex(hasher.finalize(vector.extended_hash.size() / 2)), vector.extended_hash);
    }
  }
}

}  // namespace
}  // namespace orvo::crypto
