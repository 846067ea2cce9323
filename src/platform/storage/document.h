#pragma once

#include <cstdint>
#include <expected>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/storage/document_operation.h"

namespace orvo::storage {

class DocumentJournal;

// A tree of maps whose other values are booleans, texts and lists of text. Every
// change is an operation with the next sequence number; the latest number, the
// heads, names the document's state, and changes_since() tells a reader what
// happened after a state it saw. Changes apply at once and are saved by commit().
class Document {
 public:
  // A document that lives in memory only: commit() keeps nothing.
  Document();
  // The document saved in `journal`, which then saves every commit.
  static std::expected<Document, std::string> restore(DocumentJournal journal);

  Document(Document&& other) noexcept;
  Document& operator=(Document&& other) noexcept;
  ~Document();

  // The empty path is the root, which is always a map.
  [[nodiscard]] const DocumentValue* find(const DocumentPath& path) const;
  // The value at `path` when it is of kind T; a value of another kind reads as absent.
  template <class T>
  [[nodiscard]] const T* get(const DocumentPath& path) const {
    const DocumentValue* value = find(path);
    return value == nullptr ? nullptr : std::get_if<T>(value);
  }
  // The entries of the map at `path`, in byte order of their keys; valid until the next change.
  [[nodiscard]] std::vector<std::pair<std::string_view, const DocumentValue*>> entries(const DocumentPath& path) const;

  // Sets the value at `path`, making every container above it a map: one that is
  // missing or holds a value of another kind. A value that is not a map replaces
  // the whole subtree below the path; a map put on a map keeps its entries. The root
  // cannot be replaced, and writing what is already there is no change.
  void put(DocumentPath path, DocumentValue value);
  // Removes the value at `path` with everything below it.
  void remove(const DocumentPath& path);

  [[nodiscard]] std::uint64_t heads() const { return heads_; }
  // The changes made after the state `sequence`, oldest first; valid until the next
  // change or commit. None when older changes have been folded into a snapshot: the
  // reader has to look at the whole document again.
  [[nodiscard]] std::optional<std::span<const DocumentOperation>> changes_since(std::uint64_t sequence) const;

  // Saves every change not saved yet, in one transaction. On failure nothing of
  // them is saved and they stay pending for the next commit.
  std::expected<void, std::string> commit();

 private:
  void record(DocumentOperation operation);
  [[nodiscard]] std::size_t snapshot_threshold() const;

  DocumentEntries entries_;
  std::vector<DocumentOperation> log_;  // the changes since the last snapshot
  std::size_t saved_ = 0;               // how many of them the journal holds
  std::uint64_t heads_ = 0;
  std::uint64_t snapshot_ = 0;          // the state the log starts from
  std::unique_ptr<DocumentJournal> journal_;
};

}  // namespace orvo::storage
