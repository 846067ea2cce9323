#include "platform/storage/document_journal.h"

#include <sqlite3.h>

#include <string_view>

namespace orvo::storage {
namespace {

// Marks the file as ours, so that another program's database is never taken over.
constexpr std::int64_t application_id = 0x4f52564f;  // "ORVO"
constexpr std::int64_t schema_version = 1;
// Long enough to outwait another writer's short transaction, short enough not to freeze the window.
constexpr int busy_timeout_ms = 1000;

std::string schema() {
  return "CREATE TABLE IF NOT EXISTS operations (sequence INTEGER PRIMARY KEY, bytes BLOB NOT NULL);"
         "CREATE TABLE IF NOT EXISTS snapshot ("
         "  id INTEGER PRIMARY KEY CHECK (id = 1), sequence INTEGER NOT NULL, bytes BLOB NOT NULL);"
         "PRAGMA application_id = " + std::to_string(application_id) + ";"
         "PRAGMA user_version = " + std::to_string(schema_version) + ";";
}

struct CloseDatabase {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;

struct FinalizeStatement {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

using Status = std::expected<void, std::string>;

std::unexpected<std::string> failure(sqlite3* db) { return std::unexpected(std::string(sqlite3_errmsg(db))); }

Status execute(sqlite3* db, const std::string& sql) {
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) return failure(db);
  return {};
}

// Runs `body` in one transaction: all of its writes are saved, or none.
template <class Body>
Status in_transaction(sqlite3* db, const std::string& begin, Body&& body) {
  Status result = execute(db, begin);
  if (!result) return result;
  result = body();
  if (result) result = execute(db, "COMMIT");
  if (!result) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
  return result;
}

std::expected<Statement, std::string> prepare(sqlite3* db, std::string_view sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK) {
    return failure(db);
  }
  return Statement(statement);
}

// True when a row is ready, false when the statement is done.
std::expected<bool, std::string> step(sqlite3* db, sqlite3_stmt* statement) {
  const int status = sqlite3_step(statement);
  if (status == SQLITE_ROW) return true;
  if (status == SQLITE_DONE) return false;
  return failure(db);
}

// The last sequence number on disk, whoever saved it.
std::expected<std::uint64_t, std::string> saved_heads(sqlite3* db) {
  auto statement = prepare(db,
                           "SELECT max(coalesce((SELECT max(sequence) FROM operations), 0), "
                           "coalesce((SELECT sequence FROM snapshot), 0))");
  if (!statement) return std::unexpected(statement.error());
  if (auto row = step(db, statement->get()); !row) return std::unexpected(row.error());
  return static_cast<std::uint64_t>(sqlite3_column_int64(statement->get(), 0));
}

JournalRecord record_at(sqlite3_stmt* statement) {
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, 1));
  return {.sequence = static_cast<std::uint64_t>(sqlite3_column_int64(statement, 0)),
          .bytes = std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement, 1)))};
}

std::expected<std::vector<JournalRecord>, std::string> records(sqlite3* db, sqlite3_stmt* statement) {
  std::vector<JournalRecord> found;
  for (;;) {
    auto row = step(db, statement);
    if (!row) return std::unexpected(row.error());
    if (!*row) return found;
    found.push_back(record_at(statement));
  }
}

std::expected<std::optional<JournalRecord>, std::string> saved_snapshot(sqlite3* db) {
  auto statement = prepare(db, "SELECT sequence, bytes FROM snapshot");
  if (!statement) return std::unexpected(statement.error());
  auto found = records(db, statement->get());
  if (!found) return std::unexpected(found.error());
  if (found->empty()) return std::nullopt;
  return std::move(found->front());
}

std::expected<std::vector<JournalRecord>, std::string> operations_after(sqlite3* db, std::uint64_t sequence) {
  auto statement = prepare(db, "SELECT sequence, bytes FROM operations WHERE sequence > ? ORDER BY sequence");
  if (!statement) return std::unexpected(statement.error());
  sqlite3_bind_int64(statement->get(), 1, static_cast<std::int64_t>(sequence));
  return records(db, statement->get());
}

Status insert(sqlite3* db, std::string_view sql, std::span<const JournalRecord> rows) {
  auto statement = prepare(db, sql);
  if (!statement) return std::unexpected(statement.error());
  for (const JournalRecord& row : rows) {
    sqlite3_reset(statement->get());
    sqlite3_bind_int64(statement->get(), 1, static_cast<std::int64_t>(row.sequence));
    sqlite3_bind_blob64(statement->get(), 2, row.bytes.data(), row.bytes.size(), SQLITE_STATIC);
    if (auto done = step(db, statement->get()); !done) return std::unexpected(done.error());
  }
  return {};
}

Status delete_covered(sqlite3* db, std::uint64_t sequence) {
  auto statement = prepare(db, "DELETE FROM operations WHERE sequence <= ?");
  if (!statement) return std::unexpected(statement.error());
  sqlite3_bind_int64(statement->get(), 1, static_cast<std::int64_t>(sequence));
  if (auto done = step(db, statement->get()); !done) return std::unexpected(done.error());
  return {};
}

// A new file (no tables yet) becomes a journal; one of ours must be of a version we can read.
Status prepare_schema(sqlite3* db) {
  auto statement = prepare(db,
                           "SELECT (SELECT application_id FROM pragma_application_id), "
                           "(SELECT user_version FROM pragma_user_version), (SELECT count(*) FROM sqlite_schema)");
  if (!statement) return std::unexpected(statement.error());
  if (auto row = step(db, statement->get()); !row) return std::unexpected(row.error());
  const std::int64_t owner = sqlite3_column_int64(statement->get(), 0);
  const std::int64_t version = sqlite3_column_int64(statement->get(), 1);
  const std::int64_t tables = sqlite3_column_int64(statement->get(), 2);
  if (owner == 0 && tables == 0) return in_transaction(db, "BEGIN IMMEDIATE", [&] { return execute(db, schema()); });
  if (owner != application_id) return std::unexpected("it is not a saved document");
  if (version != schema_version) return std::unexpected("it was saved by a newer version of the program");
  return {};
}

// The file is checked before anything is written to it, the journal mode included.
Status configure(sqlite3* db) {
  sqlite3_extended_result_codes(db, 1);
  sqlite3_busy_timeout(db, busy_timeout_ms);
  if (auto schema = prepare_schema(db); !schema) return schema;
  auto mode = prepare(db, "PRAGMA journal_mode = WAL");
  if (!mode) return std::unexpected(mode.error());
  auto row = step(db, mode->get());
  if (!row) return std::unexpected(row.error());
  const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(mode->get(), 0));
  if (!*row || name == nullptr || std::string_view(name) != "wal") {
    return std::unexpected("write-ahead logging is not available");
  }
  // In write-ahead-log mode only FULL makes each commit survive a power cut.
  return execute(db, "PRAGMA synchronous = FULL");
}

}  // namespace

struct DocumentJournal::Connection {
  Database db;
  std::uint64_t saved = 0;  // the last sequence number this connection saw saved
};

DocumentJournal::DocumentJournal(std::unique_ptr<Connection> connection) : connection_(std::move(connection)) {}
DocumentJournal::DocumentJournal(DocumentJournal&& other) noexcept = default;
DocumentJournal& DocumentJournal::operator=(DocumentJournal&& other) noexcept = default;
DocumentJournal::~DocumentJournal() = default;

std::expected<DocumentJournal, std::string> DocumentJournal::open(const std::filesystem::path& file) {
  auto opened = [&](std::string_view reason) {
    return std::unexpected("could not open " + file.string() + ": " + std::string(reason));
  };
  sqlite3* raw = nullptr;
  const int status = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  Database db(raw);
  if (status != SQLITE_OK) return opened(db ? sqlite3_errmsg(db.get()) : sqlite3_errstr(status));
  if (auto configured = configure(db.get()); !configured) return opened(configured.error());
  auto heads = saved_heads(db.get());
  if (!heads) return opened(heads.error());
  return DocumentJournal(std::make_unique<Connection>(Connection{.db = std::move(db), .saved = *heads}));
}

std::expected<JournalContent, std::string> DocumentJournal::load() {
  sqlite3* db = connection_->db.get();
  JournalContent content;
  const Status read = in_transaction(db, "BEGIN", [&]() -> Status {
    auto snapshot = saved_snapshot(db);
    if (!snapshot) return std::unexpected(snapshot.error());
    content.snapshot = std::move(*snapshot);
    auto operations = operations_after(db, content.snapshot ? content.snapshot->sequence : 0);
    if (!operations) return std::unexpected(operations.error());
    content.operations = std::move(*operations);
    return {};
  });
  if (!read) return std::unexpected("could not read the saved document: " + read.error());
  if (!content.operations.empty()) {
    connection_->saved = content.operations.back().sequence;
  } else if (content.snapshot) {
    connection_->saved = content.snapshot->sequence;
  }
  return content;
}

Status DocumentJournal::append(std::span<const JournalRecord> operations,
                               const std::optional<JournalRecord>& snapshot) {
  sqlite3* db = connection_->db.get();
  const Status written = in_transaction(db, "BEGIN IMMEDIATE", [&]() -> Status {
    auto heads = saved_heads(db);
    if (!heads) return std::unexpected(heads.error());
    if (*heads != connection_->saved) {
      return std::unexpected("it was changed by another program since it was read");
    }
    if (auto inserted = insert(db, "INSERT INTO operations (sequence, bytes) VALUES (?, ?)", operations); !inserted) {
      return inserted;
    }
    if (!snapshot) return {};
    const JournalRecord rows[] = {*snapshot};
    if (auto replaced = insert(db, "INSERT OR REPLACE INTO snapshot (id, sequence, bytes) VALUES (1, ?, ?)", rows);
        !replaced) {
      return replaced;
    }
    return delete_covered(db, snapshot->sequence);
  });
  if (!written) return std::unexpected("could not save the document: " + written.error());
  if (!operations.empty()) connection_->saved = operations.back().sequence;
  if (snapshot) connection_->saved = snapshot->sequence;
  return {};
}

}  // namespace orvo::storage
