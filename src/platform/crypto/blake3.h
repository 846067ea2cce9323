#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvo::crypto {

// The BLAKE3 hash of a byte stream fed in pieces of any size. The input is cut into
// 1 KiB chunks whose chaining values are merged pairwise into a binary tree as soon
// as both halves are known, so memory stays small however long the stream is.
class Blake3 {
 public:
  static constexpr std::size_t digest_length = 32;
  static constexpr std::size_t block_length = 64;
  static constexpr std::size_t chunk_length = 1024;

  Blake3();

  void update(std::span<const std::byte> input);

  // The output is extendable: any length may be asked for, and a longer output
  // starts with the bytes of a shorter one. The hasher stays usable afterwards.
  [[nodiscard]] std::vector<std::byte> finalize(std::size_t length = digest_length) const;

 private:
  using ChainingValue = std::array<std::uint32_t, 8>;

  [[nodiscard]] bool chunk_is_full() const;
  [[nodiscard]] std::uint32_t chunk_start_flag() const;
  void compress_buffered_block();
  void close_chunk();
  void add_subtree(ChainingValue chaining_value, std::uint64_t total_chunks);

  ChainingValue chunk_chaining_value_;
  std::uint64_t chunk_counter_ = 0;
  std::array<std::byte, block_length> block_{};
  std::size_t block_fill_ = 0;
  std::size_t blocks_compressed_ = 0;
  // Chaining values of the completed subtrees not yet merged, the largest first.
  std::vector<ChainingValue> subtrees_;
};

// The hash in lower-case hexadecimal, two digits per output byte.
std::string blake3_hex(std::span<const std::byte> input, std::size_t length = Blake3::digest_length);
std::string blake3_hex(std::string_view input, std::size_t length = Blake3::digest_length);

}  // namespace orvo::crypto
