#pragma once

#include <cstddef>
#include <expected>
#include <optional>
#include <string>

#include "message/message_id.h"
#include "message/message_record.h"
#include "platform/thread/one_result_slot.h"
#include "platform/ui/portal.h"
#include "state/message_store.h"

namespace mail::compose {

// A save the user started. The attachment is a copy, so the file written is what was
// offered even if the message changes or goes while the picker is open.
struct PendingSave {
  message::MessageId message;
  std::size_t index = 0;
  message::AttachmentRecord attachment;
};

struct SaveStart {
  PendingSave pending;
  orvo::thread::OneResultSlot<orvo::ui::portal::SaveAnswer> picker;
};

// Checks that the attachment can be saved and opens the save picker, proposing a
// cleaned name. `another_save_running` covers an open save picker, a pending save
// and an unfinished operation alike. The error is the status line.
std::expected<SaveStart, std::string> begin_save(const state::MessageStore& store, const message::MessageId& id,
                                                 std::size_t index, bool another_save_running);

enum class SaveResult : unsigned char { Saved = 0, Cancelled = 1, Failed = 2 };

struct SaveOutcome {
  SaveResult result = SaveResult::Failed;
  std::string status;
};

// Writes the pending attachment where the picker's answer says; none means the picker
// ended without answering. An existing link, a non-regular file, or a folder that is
// itself a link is never written through, and a failed write leaves the destination
// as it was.
SaveOutcome finish_save(const PendingSave& pending, std::optional<orvo::ui::portal::SaveAnswer> answer);

}  // namespace mail::compose
