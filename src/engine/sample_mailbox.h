#pragma once

#include <cstdint>
#include <vector>

#include "engine/account_config.h"
#include "message/contact.h"
#include "message/message_record.h"

namespace mail::engine {

// The sample mailbox shown by every start scene but the first-run one: no network,
// no access to the user's data, and a fixed clock.
inline constexpr message::Minutes sample_clock_minutes = 29'713'805;  // Tuesday 2026-06-30 14:05 UTC

struct SampleMailbox {
  std::vector<AccountConfig> accounts;      // the first is the current account
  std::vector<message::Contact> contacts;   // the people the messages come from
  std::vector<message::MessageRecord> messages;  // in the order they are inserted
};

SampleMailbox sample_mailbox();

// The two sample accounts alone. Each account's id is its address.
std::vector<AccountConfig> sample_accounts();

}  // namespace mail::engine
