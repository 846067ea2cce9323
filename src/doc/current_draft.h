#pragma once

#include "message/draft_data.h"
#include "platform/storage/document.h"

namespace mail::doc {

// The one draft being written, kept in the document so that it outlives the window.

// Writes every field. Optional texts the draft lacks are removed, so a plain-text
// save never reads back with an earlier rich-text body. Attachments are kept
// normalised, as compact JSON text.
void save_draft(orvo::storage::Document& document, const message::DraftData& draft);
// Removes the draft's fields and leaves its empty map.
void discard_draft(orvo::storage::Document& document);
// Missing texts read as empty. The document may have been written by other hands,
// so an invitation that is not a bounded request is dropped, and the attachments
// are normalised again; attachments that do not parse read as none.
[[nodiscard]] message::DraftData read_draft(const orvo::storage::Document& document);

}  // namespace mail::doc
