#pragma once

#include <cstdint>
#include <expected>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvo::storage {

// One saved change or snapshot: the state or change it stands for, and its bytes.
struct JournalRecord {
  std::uint64_t sequence = 0;
  std::string bytes;
};

struct JournalContent {
  std::optional<JournalRecord> snapshot;
  std::vector<JournalRecord> operations;  // those after the snapshot, in order
};

// The file a document is saved in: a snapshot of the whole document and the
// changes made since, in an SQLite database in write-ahead-log mode. Every append
// is one transaction that is on disk when it returns, so a crash loses at most the
// append that was under way, and never damages what was saved before.
class DocumentJournal {
 public:
  // Creates the file when it does not exist; refuses one that is no journal.
  static std::expected<DocumentJournal, std::string> open(const std::filesystem::path& file);

  DocumentJournal(DocumentJournal&& other) noexcept;
  DocumentJournal& operator=(DocumentJournal&& other) noexcept;
  ~DocumentJournal();

  [[nodiscard]] std::expected<JournalContent, std::string> load();

  // Saves `operations`, which must continue the saved sequence. With a snapshot,
  // which must stand for the state after them, the changes it covers are dropped.
  // Fails without saving anything when another writer has saved changes this one
  // has not seen: its changes would be numbered as if those never happened.
  std::expected<void, std::string> append(std::span<const JournalRecord> operations,
                                          const std::optional<JournalRecord>& snapshot);

 private:
  struct Connection;
  explicit DocumentJournal(std::unique_ptr<Connection> connection);

  std::unique_ptr<Connection> connection_;
};

}  // namespace orvo::storage
