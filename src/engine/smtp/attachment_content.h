#pragma once

#include <expected>
#include <string>

#include "message/draft_data.h"
#include "platform/storage/blob_store.h"

namespace mail::engine::smtp {

// The bytes of a draft's attachment, read back from the store and checked against
// the record, so that nothing but the content the user attached is ever sent. The
// error names the attachment and whether it is malformed, missing or damaged.
std::expected<std::string, std::string> load_attachment_content(const orvo::storage::BlobStore& store,
                                                                const message::DraftAttachment& attachment);

}  // namespace mail::engine::smtp
