#pragma once

#include <functional>
#include <string>
#include <vector>

#include "actions/mail_action.h"
#include "actions/mail_operation.h"
#include "platform/actions/action_spec.h"

namespace mail::actions {

// The shapes the published actions come in.

// An operation, declared with its own operation type.
orvo::actions::ActionSpec operation_spec(std::string id, std::string label, MailOperation operation);

// A fixed change to mail data.
orvo::actions::ActionSpec change_spec(std::string id, std::string label, MailAction change);

// A change to the messages named by the required list argument "ids": 1 to 256 ids
// of 1 to 128 characters, taken in the order given.
orvo::actions::ActionSpec bulk_spec(std::string id, std::string label, std::string ids_description,
                                    std::function<MailAction(std::vector<std::string> ids)> change);

// A change made from the required text argument "value", trimmed; a value that is
// blank once trimmed is refused, since it could only change nothing.
orvo::actions::ActionSpec value_spec(std::string id, std::string label, std::string value_label,
                                     std::string placeholder, std::function<MailAction(std::string value)> change);

}  // namespace mail::actions
