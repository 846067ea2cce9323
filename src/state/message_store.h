#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "message/message_record.h"

namespace mail::state {

using message::FolderKind;
using message::MessageId;
using message::MessageRecord;

// The next value of the process-wide revision counter.
std::uint64_t next_revision();

// Every account's messages: ids in order of first arrival, the records by id, and a
// revision that changes with every change, so that consumers can tell when to look again.
class MessageStore {
 public:
  MessageStore();

  // A record whose id is known replaces the old one and keeps its place.
  void insert(MessageRecord record);
  [[nodiscard]] const MessageRecord* find(const MessageId& id) const;

  // Each returns whether anything changed; an unknown id changes nothing.
  bool set_read(const MessageId& id, bool read);
  bool toggle_starred(const MessageId& id);
  bool move_to(const MessageId& id, FolderKind folder);
  bool remove(const MessageId& id);
  void clear();

  // The folder's messages in store order; Starred lists the starred Inbox messages too.
  [[nodiscard]] const std::vector<MessageId>& folder(FolderKind kind) const;
  // The same messages as records; valid until the store next changes.
  [[nodiscard]] const std::vector<const MessageRecord*>& folder_records(FolderKind kind) const;
  [[nodiscard]] std::size_t unread_count(FolderKind kind) const;
  [[nodiscard]] const std::vector<MessageId>& order() const { return order_; }
  [[nodiscard]] std::size_t size() const { return order_.size(); }
  [[nodiscard]] std::uint64_t revision() const { return revision_; }

 private:
  MessageRecord* find_mutable(const MessageId& id);
  void changed() { revision_ = next_revision(); }

  // Each folder's messages and unread count, rebuilt in one pass when first asked
  // for after a change, so that drawing a frame never scans the whole store twice.
  struct FolderIndex {
    std::uint64_t revision = 0;
    std::array<std::vector<MessageId>, 7> ids;
    std::array<std::vector<const MessageRecord*>, 7> records;
    std::array<std::size_t, 7> unread{};
  };
  const FolderIndex& folder_index() const;

  std::vector<MessageId> order_;
  std::unordered_map<MessageId, MessageRecord> records_;
  std::uint64_t revision_;
  mutable FolderIndex index_;
};

}  // namespace mail::state
