#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

#include "platform/storage/document_persist.h"
#include "platform/storage/temp_folder.h"

namespace orvo::storage {
namespace {

constexpr int changes_per_commit = 50;
// Enough commits to pass the first snapshot, so that one may be cut short too.
constexpr int commits_before_the_kill = 150;
constexpr int most_commits = 100'000;

std::string key(std::uint64_t sequence) {
  std::string digits = std::to_string(sequence);
  return std::string(8 - digits.size(), '0') + digits;
}

// Writes until it is killed, telling the parent the heads after each commit.
[[noreturn]] void write_burst(const std::filesystem::path& folder, int report) {
  auto document = persist::open(folder);
  if (!document) _exit(1);
  for (int commit = 0; commit < most_commits; ++commit) {
    for (int change = 0; change < changes_per_commit; ++change) {
      document->put({"burst", key(document->heads() + 1)}, "value " + std::to_string(document->heads() + 1));
    }
    const std::uint64_t heads = document->heads();
    if (!document->commit() || write(report, &heads, sizeof heads) != sizeof heads) _exit(1);
  }
  _exit(0);
}

TEST(DocumentCrash, AWriterKilledMidBurstLeavesEveryCommittedChange) {
  const TempFolder folder = TempFolder::create("orvo-document-crash-").value();
  std::array<int, 2> pipe_ends{};
  ASSERT_EQ(pipe(pipe_ends.data()), 0);
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    close(pipe_ends[0]);
    write_burst(folder.path(), pipe_ends[1]);
  }
  close(pipe_ends[1]);

  std::uint64_t last_committed = 0;
  for (int reports = 0; reports < commits_before_the_kill; ++reports) {
    ASSERT_EQ(read(pipe_ends[0], &last_committed, sizeof last_committed), sizeof last_committed)
        << "the writer stopped by itself";
  }
  // A moment later the writer is anywhere in its cycle, not just after a report.
  std::this_thread::sleep_for(std::chrono::milliseconds(3));
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  for (std::uint64_t reported = 0; read(pipe_ends[0], &reported, sizeof reported) == sizeof reported;) {
    last_committed = reported;
  }
  close(pipe_ends[0]);

  auto document = persist::open(folder.path());
  ASSERT_TRUE(document) << document.error();
  const std::uint64_t heads = document->heads();
  EXPECT_GE(heads, last_committed);
  EXPECT_EQ(heads % changes_per_commit, 0) << "a commit was saved in part";
  const auto entries = document->entries({"burst"});
  ASSERT_EQ(entries.size(), heads);
  for (std::uint64_t sequence = 1; sequence <= heads; ++sequence) {
    const auto& [name, value] = entries[sequence - 1];
    ASSERT_EQ(name, key(sequence));
    ASSERT_EQ(*value, DocumentValue("value " + std::to_string(sequence)));
  }
}

}  // namespace
}  // namespace orvo::storage
