#include "platform/crypto/blake3.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace orvo::crypto {
namespace {

using ChainingValue = std::array<std::uint32_t, 8>;
using BlockWords = std::array<std::uint32_t, 16>;

constexpr std::size_t block_length = Blake3::block_length;
constexpr std::size_t round_count = 7;

constexpr ChainingValue initial_chaining_value = {0x6A09E667, 0xBB67AE85, 0x3C6EF372, 0xA54FF53A,
                                                  0x510E527F, 0x9B05688C, 0x1F83D9AB, 0x5BE0CD19};

// Domain-separation flags: they keep a chunk, a parent and the root from ever
// compressing to the same value.
constexpr std::uint32_t chunk_start = 1 << 0;
constexpr std::uint32_t chunk_end = 1 << 1;
constexpr std::uint32_t parent = 1 << 2;
constexpr std::uint32_t root = 1 << 3;

// The message words each round reads, in order: every round permutes the previous
// round's order the same way. Worked out once here instead of shuffling the block.
constexpr std::array<std::array<std::uint8_t, 16>, round_count> message_schedule = [] {
  constexpr std::array<std::uint8_t, 16> permutation = {2, 6, 3, 10, 7, 0, 4, 13, 1, 11, 12, 5, 9, 14, 15, 8};
  std::array<std::array<std::uint8_t, 16>, round_count> schedule{};
  for (std::uint8_t i = 0; i < 16; ++i) schedule[0][i] = i;
  for (std::size_t round = 1; round < round_count; ++round) {
    for (std::size_t i = 0; i < 16; ++i) schedule[round][i] = schedule[round - 1][permutation[i]];
  }
  return schedule;
}();

void mix(BlockWords& state, std::size_t a, std::size_t b, std::size_t c, std::size_t d, std::uint32_t x,
         std::uint32_t y) {
  state[a] += state[b] + x;
  state[d] = std::rotr(state[d] ^ state[a], 16);
  state[c] += state[d];
  state[b] = std::rotr(state[b] ^ state[c], 12);
  state[a] += state[b] + y;
  state[d] = std::rotr(state[d] ^ state[a], 8);
  state[c] += state[d];
  state[b] = std::rotr(state[b] ^ state[c], 7);
}

void run_round(BlockWords& state, const BlockWords& message, const std::array<std::uint8_t, 16>& order) {
  const auto word = [&](std::size_t i) { return message[order[i]]; };
  mix(state, 0, 4, 8, 12, word(0), word(1));
  mix(state, 1, 5, 9, 13, word(2), word(3));
  mix(state, 2, 6, 10, 14, word(4), word(5));
  mix(state, 3, 7, 11, 15, word(6), word(7));
  mix(state, 0, 5, 10, 15, word(8), word(9));
  mix(state, 1, 6, 11, 12, word(10), word(11));
  mix(state, 2, 7, 8, 13, word(12), word(13));
  mix(state, 3, 4, 9, 14, word(14), word(15));
}

BlockWords compress(const ChainingValue& chaining_value, const BlockWords& message, std::uint64_t counter,
                    std::uint32_t length, std::uint32_t flags) {
  BlockWords state = {chaining_value[0], chaining_value[1], chaining_value[2], chaining_value[3],
                      chaining_value[4], chaining_value[5], chaining_value[6], chaining_value[7],
                      initial_chaining_value[0], initial_chaining_value[1], initial_chaining_value[2],
                      initial_chaining_value[3], static_cast<std::uint32_t>(counter),
                      static_cast<std::uint32_t>(counter >> 32), length, flags};
  for (const auto& order : message_schedule) run_round(state, message, order);
  for (std::size_t i = 0; i < 8; ++i) {
    state[i] ^= state[i + 8];
    state[i + 8] ^= chaining_value[i];
  }
  return state;
}

ChainingValue first_half(const BlockWords& words) {
  ChainingValue half;
  std::copy_n(words.begin(), half.size(), half.begin());
  return half;
}

std::uint32_t load_little_endian(const std::byte* bytes) {
  return std::to_integer<std::uint32_t>(bytes[0]) | std::to_integer<std::uint32_t>(bytes[1]) << 8 |
         std::to_integer<std::uint32_t>(bytes[2]) << 16 | std::to_integer<std::uint32_t>(bytes[3]) << 24;
}

// Bytes past `length` read as zeros, as the last block of a chunk is padded.
BlockWords load_block(const std::array<std::byte, block_length>& block, std::size_t length) {
  std::array<std::byte, block_length> padded{};
  std::copy_n(block.begin(), length, padded.begin());
  BlockWords words;
  for (std::size_t i = 0; i < words.size(); ++i) words[i] = load_little_endian(&padded[4 * i]);
  return words;
}

// The last compression of a node is held back until it is known whether the node
// is the root of the tree, because the root is compressed with its own flag and,
// alone among the nodes, may be squeezed for more output.
struct PendingNode {
  ChainingValue chaining_value;
  BlockWords block;
  std::uint64_t counter;
  std::uint32_t length;
  std::uint32_t flags;
};

ChainingValue chaining_value_of(const PendingNode& node) {
  return first_half(compress(node.chaining_value, node.block, node.counter, node.length, node.flags));
}

PendingNode parent_node(const ChainingValue& left, const ChainingValue& right) {
  BlockWords block;
  std::copy(left.begin(), left.end(), block.begin());
  std::copy(right.begin(), right.end(), block.begin() + left.size());
  return {initial_chaining_value, block, 0, block_length, parent};
}

// Each 64 bytes of output are the root compressed once more with the next counter.
std::vector<std::byte> squeeze_root(const PendingNode& root_node, std::size_t length) {
  std::vector<std::byte> output(length);
  std::uint64_t counter = 0;
  for (std::size_t offset = 0; offset < length; offset += block_length, ++counter) {
    const BlockWords words =
        compress(root_node.chaining_value, root_node.block, counter, root_node.length, root_node.flags | root);
    std::array<std::byte, block_length> bytes;
    for (std::size_t i = 0; i < words.size(); ++i) {
      for (std::size_t shift = 0; shift < 4; ++shift) bytes[4 * i + shift] = std::byte(words[i] >> (8 * shift));
    }
    std::copy_n(bytes.begin(), std::min(block_length, length - offset), output.begin() + offset);
  }
  return output;
}

}  // namespace

Blake3::Blake3() : chunk_chaining_value_(initial_chaining_value) {}

void Blake3::update(std::span<const std::byte> input) {
  while (!input.empty()) {
    // A full block is compressed only once more input shows it is not the last one,
    // since the last block of the stream is compressed differently.
    if (chunk_is_full()) close_chunk();
    if (block_fill_ == block_length) compress_buffered_block();
    const std::size_t taken = std::min(block_length - block_fill_, input.size());
    std::memcpy(block_.data() + block_fill_, input.data(), taken);
    block_fill_ += taken;
    input = input.subspan(taken);
  }
}

std::vector<std::byte> Blake3::finalize(std::size_t length) const {
  PendingNode node = {chunk_chaining_value_, load_block(block_, block_fill_), chunk_counter_,
                      static_cast<std::uint32_t>(block_fill_), chunk_start_flag() | chunk_end};
  for (auto subtree = subtrees_.rbegin(); subtree != subtrees_.rend(); ++subtree) {
    node = parent_node(*subtree, chaining_value_of(node));
  }
  return squeeze_root(node, length);
}

bool Blake3::chunk_is_full() const { return blocks_compressed_ * block_length + block_fill_ == chunk_length; }

std::uint32_t Blake3::chunk_start_flag() const { return blocks_compressed_ == 0 ? chunk_start : 0; }

void Blake3::compress_buffered_block() {
  const BlockWords words = compress(chunk_chaining_value_, load_block(block_, block_length), chunk_counter_,
                                    block_length, chunk_start_flag());
  chunk_chaining_value_ = first_half(words);
  ++blocks_compressed_;
  block_fill_ = 0;
}

void Blake3::close_chunk() {
  const PendingNode last_block = {chunk_chaining_value_, load_block(block_, block_length), chunk_counter_,
                                  block_length, chunk_start_flag() | chunk_end};
  ++chunk_counter_;
  add_subtree(chaining_value_of(last_block), chunk_counter_);
  chunk_chaining_value_ = initial_chaining_value;
  block_fill_ = 0;
  blocks_compressed_ = 0;
}

// A finished chunk completes one subtree for every trailing zero bit of the number of
// chunks so far: each is merged with its left neighbour before the result is kept.
void Blake3::add_subtree(ChainingValue chaining_value, std::uint64_t total_chunks) {
  for (; total_chunks % 2 == 0; total_chunks /= 2) {
    chaining_value = chaining_value_of(parent_node(subtrees_.back(), chaining_value));
    subtrees_.pop_back();
  }
  subtrees_.push_back(chaining_value);
}

std::string blake3_hex(std::span<const std::byte> input, std::size_t length) {
  Blake3 hasher;
  hasher.update(input);
  constexpr std::string_view digits = "0123456789abcdef";
  std::string hex;
  hex.reserve(2 * length);
  for (const std::byte byte : hasher.finalize(length)) {
    hex += digits[std::to_integer<std::size_t>(byte) >> 4];
    hex += digits[std::to_integer<std::size_t>(byte) & 0xF];
  }
  return hex;
}

std::string blake3_hex(std::string_view input, std::size_t length) {
  return blake3_hex(std::as_bytes(std::span(input.data(), input.size())), length);
}

}  // namespace orvo::crypto
