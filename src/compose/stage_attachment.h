#pragma once

#include <expected>
#include <string>
#include <string_view>

#include "message/draft_data.h"
#include "platform/storage/blob_store.h"
#include "platform/storage/file_handle.h"

namespace mail::compose {

// Copies a file the user picked into the store and describes it for the draft. The
// file is read through the handle the picker opened, never reopened by name, and
// closed whatever happens. Only content that reads back from the store unchanged is
// ever referenced. The error is the reason shown after the file's name.
std::expected<message::DraftAttachment, std::string> stage_attachment(orvo::storage::BlobStore& store,
                                                                      orvo::storage::FileHandle file,
                                                                      std::string_view reported_name);

}  // namespace mail::compose
