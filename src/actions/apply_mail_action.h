#pragma once

#include <expected>
#include <string>

#include "actions/mail_action.h"
#include "platform/storage/document.h"

namespace mail::actions {

// Applies a change to the mail document, its values normalised first: ids as
// `normalize_ids` leaves them, labels and folder names cleaned to one line. A change
// that cannot be made as asked fails with the reason and leaves the document as it
// was; ids that name no message are passed over as long as one does.
std::expected<void, std::string> apply_mail_action(orvo::storage::Document& document, const MailAction& action);

}  // namespace mail::actions
