#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/crypto/blake3.h"

namespace {

void hash_whole_input(benchmark::State& state) {
  const std::vector<std::byte> input(static_cast<std::size_t>(state.range(0)), std::byte{0x5a});
  for (auto _ : state) {
    orvo::crypto::Blake3 hasher;
    hasher.update(input);
    benchmark::DoNotOptimize(hasher.finalize());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

// From a short message up to the largest attachment the blob store takes.
BENCHMARK(hash_whole_input)->Arg(64)->Arg(1 << 10)->Arg(64 << 10)->Arg(1 << 20)->Arg(32 << 20);

}  // namespace

BENCHMARK_MAIN();
