#pragma once

#include <string_view>

#include "message/message_id.h"
#include "platform/storage/document_operation.h"

namespace mail::doc {

using orvo::storage::DocumentPath;

// Where the mail document keeps the user's decisions. A message's key is its id in
// the hyphenated lower-case form.
//   messages/<key>/present, purged   the message is known; it was deleted for good
//   flags/<key>/read, starred        booleans
//   flags/<key>/folder               a folder identifier ("inbox", "archive", …)
//   flags/<key>/labels               list of text
//   folders/<id>                     the name of a folder the user made
//   draft/to, cc, bcc, subject, body, html_body, calendar_ics, attachments
// A value that is absent, or of another kind, means no decision: the server's word stands.
DocumentPath message_path(const message::MessageId& id, std::string_view field);
DocumentPath flags_path();
DocumentPath flags_path(const message::MessageId& id);
DocumentPath flags_path(const message::MessageId& id, std::string_view field);
DocumentPath folders_path();
DocumentPath folder_path(std::string_view id);
DocumentPath draft_path(std::string_view field);

}  // namespace mail::doc
