#include "engine/sample_mailbox.h"

#include <string_view>

#include "engine/sample_raw_messages.h"
#include "message/parse_message.h"

namespace mail::engine {
namespace {

using message::AttachmentRecord;
using message::Contact;
using message::FolderKind;
using message::MessageId;
using message::MessageRecord;

// A placeholder, never a usable credential.
constexpr const char* placeholder_password = "********";

AccountConfig sample_account(std::string display_name, std::string email, const std::string& domain,
                             std::uint16_t smtp_port) {
  return AccountConfig{.display_name = std::move(display_name),
                       .email = email,
                       .imap_host = "imap." + domain,
                       .imap_port = 993,
                       .imap_tls = true,
                       .smtp_host = "smtp." + domain,
                       .smtp_port = smtp_port,
                       .smtp_tls = true,
                       .username = email,
                       .auth = AuthKind::Password,
                       .password = placeholder_password};
}

const Contact you{"you@orvo.example", "You"};
const Contact mira{"mira.quell@orvo.example", "Mira Quell"};
const Contact jonas{"jonas.feld@orvo.example", "Jonas Feld"};
const Contact rhea{"rhea.lindqvist@orvo.example", "Rhea Lindqvist"};
const Contact tova{"tova.brenning@orvo.example", "Tova Brenning"};
const Contact ansel{"ansel.marrow@orvo.example", "Ansel Marrow"};
const Contact ci{"ci@orvo.example", "Orvo CI"};
const Contact calendar{"calendar-noreply@orvo.example", "Calendar"};
const Contact shell_list{"shell-dev@lists.orvo.example", "shell-dev"};
const Contact prize_co{"winner@totally-legit-prizes.example", "Totally Legit Prize Co"};

// Metadata only: the content of these attachments was never downloaded.
AttachmentRecord attachment_metadata(std::string name, std::string mime_type, std::uint64_t size) {
  return {.filename = std::move(name), .mime_type = std::move(mime_type), .size = size};
}

struct SampleMessage {
  std::string_view local_id;  // the Message-ID's local part
  FolderKind folder;
  std::string subject;
  Contact from;
  std::vector<Contact> to;
  message::Minutes age;
  bool read;
  bool starred;
  std::string body;
  std::vector<AttachmentRecord> attachments = {};
  std::optional<std::string_view> replies_to = std::nullopt;
};

std::string sample_message_id(std::string_view local_id) { return std::string(local_id) + "@orvo.example"; }

MessageRecord record_of(SampleMessage sample) {
  MessageRecord record;
  record.from = std::move(sample.from);
  record.to = std::move(sample.to);
  record.subject = std::move(sample.subject);
  record.body = std::move(sample.body);
  record.attachments = std::move(sample.attachments);
  record.message_id = sample_message_id(sample.local_id);
  if (sample.replies_to) record.thread_ref = sample_message_id(*sample.replies_to);
  record.id = MessageId::from_message_id(*record.message_id).value_or(MessageId::random());
  record.date = sample_clock_minutes - sample.age;
  record.read = sample.read;
  record.starred = sample.starred;
  record.folder = sample.folder;
  return record;
}

std::vector<SampleMessage> built_messages() {
  return {
      {"sample-launch-plan-root", FolderKind::Inbox, "Launch plan for the spatial shell", mira, {you}, 143, true, true,
       "Here is the launch plan for the spatial shell: compositor freeze on Monday, beta to the design group on "
       "Wednesday, public preview next Tuesday. Shout if a date looks wrong."},
      {"sample-launch-plan-reply", FolderKind::Inbox, "Re: Launch plan for the spatial shell", jonas, {you, mira}, 107,
       true, false,
       "Wednesday works for the beta, but the input stack needs one more day of soak time. Could we move the "
       "compositor freeze to Tuesday?",
       {}, "sample-launch-plan-root"},
      {"sample-launch-plan-latest", FolderKind::Inbox, "Re: Launch plan for the spatial shell", mira, {you, jonas}, 38,
       false, false,
       "Updated the rollout chart with the Tuesday freeze. The preview date holds. Please check the attached Gantt "
       "before the standup.",
       {attachment_metadata("rollout-gantt.pdf", "application/pdf", 184'320)}, "sample-launch-plan-root"},
      {"sample-build-4821", FolderKind::Inbox, "Build #4821 failed on shell --lib", ci, {you}, 14, false, false,
       "Build #4821 failed at step \"test shell --lib\": 3 of 412 tests failed in the layout module. The full log "
       "is attached.",
       {attachment_metadata("build-4821.log", "text/plain", 28'716)}},
      {"sample-trajectory-math", FolderKind::Inbox, "Re-check the trajectory math", tova, {you}, 300, true, true,
       "The easing curves overshoot by about 4 px at 120 Hz. Could you re-check the trajectory math against the "
       "numbers in the attached sheet?",
       {attachment_metadata("trajectory.csv", "text/csv", 9'204)}},
      {"sample-coffee", FolderKind::Inbox, "Coffee before the standup?", rhea, {you}, 3, false, false,
       "I'm heading down to the corner place in ten minutes. Want to grab a coffee before the standup? My treat "
       "this time."},
      {"sample-fuse-patch", FolderKind::Inbox, "Re: [PATCH] fuse: hydrate-on-read for projected blobs", ansel,
       {shell_list}, 1'560, true, false,
       "The hydrate-on-read path looks right to me. One nit: the retry loop should back off instead of spinning "
       "when the blob store is busy. Otherwise ack."},
      {"sample-compositor-sync", FolderKind::Inbox, "Invitation: Compositor sync @ Thu 11:00", calendar, {you}, 540,
       false, false,
       "Mira Quell invited you to Compositor sync.\nWhen: Thursday 11:00\u201311:30 UTC\nWhere: Room Aster and "
       "video call\nAccept \u00b7 Decline \u00b7 Tentative",
       {attachment_metadata("invite.ics", "text/calendar", 1'842)}},
      {"sample-launch-plan-you", FolderKind::Sent, "Re: Launch plan for the spatial shell", you, {mira, jonas}, 50,
       true, false,
       "Tuesday freeze is fine by me. I'll move the input soak tests up so Jonas gets his extra day. See you at "
       "the standup.",
       {}, "sample-launch-plan-root"},
      {"sample-trajectory-reply", FolderKind::Sent, "Re: Re-check the trajectory math", you, {tova}, 270, true, false,
       "Found it: the spring constant was rounded twice. Fix is up for review; the overshoot is gone at 60 and 120 "
       "Hz.",
       {}, "sample-trajectory-math"},
      {"sample-onboarding", FolderKind::Archive, "Onboarding notes", jonas, {you}, 12'960, true, false,
       "Welcome aboard! The onboarding notes cover the build setup, the review rules and who to ask about what. "
       "Skim them this week.",
       {attachment_metadata("onboarding.pdf", "application/pdf", 512'000)}},
      {"sample-prize", FolderKind::Junk, "\U0001F389 You have WON a free spatial monitor!!!", prize_co, {you}, 420,
       false, false,
       "Congratulations!!! You were selected to receive a FREE spatial monitor. Just confirm your bank details "
       "within 24 hours to claim it."},
  };
}

struct RawSample {
  std::string_view raw;
  message::Minutes age;
  bool read;
  bool starred;
};

// These three go through the same parser as fetched mail.
std::vector<MessageRecord> parsed_messages() {
  const RawSample samples[] = {
      {raw_priority_display, 30, false, false},
      {raw_spanning_tree, 420, true, false},
      {raw_weekly_newsletter, 52, false, true},
  };
  std::vector<MessageRecord> records;
  for (const RawSample& sample : samples) {
    auto record = message::parse_message(sample.raw, {.folder = FolderKind::Inbox,
                                                      .read = sample.read,
                                                      .starred = sample.starred,
                                                      .date = sample_clock_minutes - sample.age});
    if (record) records.push_back(std::move(*record));
  }
  return records;
}

}  // namespace

std::vector<AccountConfig> sample_accounts() {
  return {sample_account("You", "you@orvo.example", "orvo.example", 465),
          sample_account("You at Lumen Works", "you@lumenworks.example", "lumenworks.example", 587)};
}

SampleMailbox sample_mailbox() {
  SampleMailbox mailbox{.accounts = sample_accounts(),
                        .contacts = {mira, jonas, rhea, tova, ansel, ci, calendar}};
  for (SampleMessage& sample : built_messages()) mailbox.messages.push_back(record_of(std::move(sample)));
  for (MessageRecord& record : parsed_messages()) mailbox.messages.push_back(std::move(record));
  return mailbox;
}

}  // namespace mail::engine
