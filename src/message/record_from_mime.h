#pragma once

#include "message/delivery.h"
#include "message/message_record.h"
#include "message/mime_reader.h"

namespace mail::message {

// The program's own rules for a record, over what the MIME reader found: default sender
// and subject, the body as text, attachment names and types, threading and the id.
MessageRecord record_from_mime(MimeContent content, const Delivery& delivery);

}  // namespace mail::message
