#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "message/draft_data.h"
#include "platform/storage/blob_store.h"
#include "platform/storage/temp_folder.h"

namespace mail::engine::smtp::test {

// A blob store of its own in a temporary folder, and attachments staged into it.
class AttachmentStoreTest : public ::testing::Test {
 protected:
  message::DraftAttachment stage(std::string_view content, std::string filename, std::string mime = "application/pdf") {
    return {.content_id = "mail-attachment:blake3:" + store_.put(content).value(),
            .filename = std::move(filename),
            .mime = std::move(mime),
            .size = content.size()};
  }

  orvo::storage::TempFolder folder_ = orvo::storage::TempFolder::create("orvo-smtp-test-").value();
  orvo::storage::BlobStore store_{folder_.path()};
};

}  // namespace mail::engine::smtp::test
