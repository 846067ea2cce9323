#include "platform/storage/document.h"

#include <algorithm>

#include "platform/storage/document_codec.h"
#include "platform/storage/document_journal.h"

namespace orvo::storage {
namespace {

// The log is folded into a snapshot once it holds this many changes, or as many as
// the document has values if that is more, so that a snapshot's cost is spread
// over at least as many changes as it writes values.
constexpr std::size_t minimum_snapshot_threshold = 4096;

bool is_below(const DocumentPath& ancestor, const DocumentPath& path) {
  return path.size() > ancestor.size() && std::equal(ancestor.begin(), ancestor.end(), path.begin());
}

// Everything below a path follows it directly in path order.
void erase_below(DocumentEntries& entries, const DocumentPath& path) {
  const auto first = entries.upper_bound(path);
  auto last = first;
  while (last != entries.end() && is_below(path, last->first)) ++last;
  entries.erase(first, last);
}

// The one rule for a change, whether it is made now or replayed from disk.
void apply_operation(DocumentEntries& entries, const DocumentOperation& operation) {
  const DocumentPath& path = operation.path;
  if (!operation.value) {
    erase_below(entries, path);
    entries.erase(path);
    return;
  }
  for (std::size_t depth = 1; depth < path.size(); ++depth) {
    DocumentValue& container = entries[DocumentPath(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(depth))];
    if (!std::holds_alternative<DocumentMap>(container)) container = DocumentMap{};
  }
  if (!std::holds_alternative<DocumentMap>(*operation.value)) erase_below(entries, path);
  entries.insert_or_assign(path, *operation.value);
}

std::string damaged(std::string_view what) { return "the saved document is damaged: " + std::string(what); }

}  // namespace

Document::Document() = default;
Document::Document(Document&& other) noexcept = default;
Document& Document::operator=(Document&& other) noexcept = default;
Document::~Document() = default;

std::expected<Document, std::string> Document::restore(DocumentJournal journal) {
  auto content = journal.load();
  if (!content) return std::unexpected(content.error());
  Document document;
  if (content->snapshot) {
    auto entries = decode_entries(content->snapshot->bytes);
    if (!entries) return std::unexpected(damaged("its snapshot cannot be read"));
    document.entries_ = std::move(*entries);
    document.heads_ = document.snapshot_ = content->snapshot->sequence;
  }
  for (const JournalRecord& saved : content->operations) {
    auto operation = decode_operation(saved.sequence, saved.bytes);
    if (!operation || saved.sequence != document.heads_ + 1) {
      return std::unexpected(damaged("change " + std::to_string(saved.sequence) + " cannot be read"));
    }
    document.record(std::move(*operation));
  }
  document.saved_ = document.log_.size();
  document.journal_ = std::make_unique<DocumentJournal>(std::move(journal));
  return document;
}

const DocumentValue* Document::find(const DocumentPath& path) const {
  static const DocumentValue root = DocumentMap{};
  if (path.empty()) return &root;
  const auto found = entries_.find(path);
  return found == entries_.end() ? nullptr : &found->second;
}

std::vector<std::pair<std::string_view, const DocumentValue*>> Document::entries(const DocumentPath& path) const {
  std::vector<std::pair<std::string_view, const DocumentValue*>> found;
  if (get<DocumentMap>(path) == nullptr) return found;
  for (auto entry = entries_.upper_bound(path); entry != entries_.end() && is_below(path, entry->first); ++entry) {
    if (entry->first.size() == path.size() + 1) found.emplace_back(entry->first.back(), &entry->second);
  }
  return found;
}

void Document::put(DocumentPath path, DocumentValue value) {
  const DocumentValue* current = find(path);
  if (path.empty() || (current != nullptr && *current == value)) return;
  record({.sequence = heads_ + 1, .path = std::move(path), .value = std::move(value)});
}

void Document::remove(const DocumentPath& path) {
  if (path.empty() || find(path) == nullptr) return;
  record({.sequence = heads_ + 1, .path = path});
}

void Document::record(DocumentOperation operation) {
  apply_operation(entries_, operation);
  heads_ = operation.sequence;
  log_.push_back(std::move(operation));
}

std::optional<std::span<const DocumentOperation>> Document::changes_since(std::uint64_t sequence) const {
  if (sequence < snapshot_) return std::nullopt;
  const std::uint64_t seen = std::min<std::uint64_t>(sequence - snapshot_, log_.size());
  return std::span(log_).subspan(seen);
}

std::size_t Document::snapshot_threshold() const { return std::max(minimum_snapshot_threshold, entries_.size()); }

std::expected<void, std::string> Document::commit() {
  if (saved_ == log_.size()) return {};
  const bool fold = log_.size() >= snapshot_threshold();
  if (journal_) {
    std::vector<JournalRecord> pending;
    std::optional<JournalRecord> snapshot;
    if (fold) {
      snapshot = JournalRecord{.sequence = heads_, .bytes = encode_entries(entries_)};
    } else {
      for (const DocumentOperation& operation : std::span(log_).subspan(saved_)) {
        pending.push_back({.sequence = operation.sequence, .bytes = encode_operation(operation)});
      }
    }
    if (auto appended = journal_->append(pending, snapshot); !appended) return appended;
  }
  saved_ = log_.size();
  if (fold) {
    log_.clear();
    saved_ = 0;
    snapshot_ = heads_;
  }
  return {};
}

}  // namespace orvo::storage
