#include "doc/message_marks.h"

#include <algorithm>
#include <string>

#include "doc/document_layout.h"

namespace mail::doc {
namespace {

using orvo::storage::Document;
using orvo::storage::DocumentMap;
using orvo::storage::TextList;

template <class T>
void put_when_absent(Document& document, DocumentPath path, T value) {
  if (document.get<T>(path) == nullptr) document.put(std::move(path), std::move(value));
}

TextList labels_of(const Document& document, const DocumentPath& path) {
  const TextList* labels = document.get<TextList>(path);
  return labels == nullptr ? TextList{} : *labels;
}

}  // namespace

void ensure_message(Document& document, const message::MessageId& id) {
  const bool* purged = document.get<bool>(message_path(id, "purged"));
  if (purged != nullptr && *purged) return;
  document.put(message_path(id, "present"), true);
  document.put(flags_path(id), DocumentMap{});
}

bool is_present(const Document& document, const message::MessageId& id) {
  const bool* present = document.get<bool>(message_path(id, "present"));
  return present != nullptr && *present;
}

void project_message(Document& document, const message::MessageRecord& record) {
  ensure_message(document, record.id);
  put_when_absent(document, flags_path(record.id, "read"), record.read);
  put_when_absent(document, flags_path(record.id, "starred"), record.starred);
  put_when_absent(document, flags_path(record.id, "folder"), std::string(message::identifier(record.folder)));
}

void set_read(Document& document, const message::MessageId& id, bool read) {
  document.put(flags_path(id, "read"), read);
}

void set_starred(Document& document, const message::MessageId& id, bool starred) {
  document.put(flags_path(id, "starred"), starred);
}

void set_folder(Document& document, const message::MessageId& id, message::FolderKind folder) {
  document.put(flags_path(id, "folder"), std::string(message::identifier(folder)));
}

void add_label(Document& document, const message::MessageId& id, std::string_view label) {
  DocumentPath path = flags_path(id, "labels");
  TextList labels = labels_of(document, path);
  if (label.empty() || std::ranges::find(labels, label) != labels.end()) return;
  labels.emplace_back(label);
  document.put(std::move(path), std::move(labels));
}

void remove_label(Document& document, const message::MessageId& id, std::string_view label) {
  DocumentPath path = flags_path(id, "labels");
  TextList labels = labels_of(document, path);
  const auto found = std::ranges::find(labels, label);
  if (found == labels.end()) return;
  labels.erase(found);
  document.put(std::move(path), std::move(labels));
}

void purge(Document& document, const message::MessageId& id) {
  document.put(message_path(id, "purged"), true);
  document.put(message_path(id, "present"), false);
}

}  // namespace mail::doc
