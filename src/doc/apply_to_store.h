#pragma once

#include "platform/storage/document.h"
#include "state/message_store.h"

namespace mail::doc {

// Imposes the user's decisions on what the engine delivered: purged messages leave
// the store, and every read, starred, folder and labels value the document holds
// replaces the record's. Each record that changes bumps the store's revision once.
void apply_to_store(const orvo::storage::Document& document, state::MessageStore& store);

}  // namespace mail::doc
