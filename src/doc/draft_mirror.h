#pragma once

#include <optional>

#include "message/contact.h"
#include "message/draft_data.h"
#include "message/message_record.h"
#include "platform/storage/document.h"
#include "state/message_store.h"

namespace mail::doc {

// Shows the draft being written as a read message in Drafts, sent from `from` and
// dated `now`, once it has a recipient, a subject or a body. It goes by the id
// `remembered` when there is one, else by a new random id. Returns the id to
// remember from now on.
std::optional<message::MessageId> mirror_draft(orvo::storage::Document& document, state::MessageStore& store,
                                               const message::DraftData& draft, const message::Contact& from,
                                               message::Minutes now, std::optional<message::MessageId> remembered);

}  // namespace mail::doc
