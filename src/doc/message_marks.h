#pragma once

#include <string_view>

#include "message/message_record.h"
#include "platform/storage/document.h"

namespace mail::doc {

// What the user decided about single messages. A decision, once in the document,
// outweighs whatever the server reports later (see apply_to_store).

// Registers the message as known, unless it was purged: a purged message stays gone.
void ensure_message(orvo::storage::Document& document, const message::MessageId& id);
[[nodiscard]] bool is_present(const orvo::storage::Document& document, const message::MessageId& id);

// Takes the server's read, starred and folder state as a starting point, for each
// only when the document has no decision of its own yet.
void project_message(orvo::storage::Document& document, const message::MessageRecord& record);

void set_read(orvo::storage::Document& document, const message::MessageId& id, bool read);
void set_starred(orvo::storage::Document& document, const message::MessageId& id, bool starred);
void set_folder(orvo::storage::Document& document, const message::MessageId& id, message::FolderKind folder);
// Appends a label the message does not carry yet; an empty label is none.
void add_label(orvo::storage::Document& document, const message::MessageId& id, std::string_view label);
// Removes the first occurrence of the label.
void remove_label(orvo::storage::Document& document, const message::MessageId& id, std::string_view label);
void purge(orvo::storage::Document& document, const message::MessageId& id);

}  // namespace mail::doc
