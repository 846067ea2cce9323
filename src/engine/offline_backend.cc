#include "engine/offline_backend.h"

#include <fmt/format.h>

#include "engine/smtp/message_builder.h"
#include "platform/variant/overloaded.h"

namespace mail::engine {
namespace {

struct Outcome {
  std::string operation;
  std::string error;
};

constexpr const char* local_change_text = "Local change saved; it was not synchronized to IMAP";

}  // namespace

OfflineBackend::OfflineBackend(orvo::storage::BlobStore attachments)
    : attachments_(std::move(attachments)) {}

std::string OfflineBackend::send_result(const request::Send& send) const {
  auto built = smtp::build_message(smtp::sender_of(send.account), send.draft, attachments_);
  if (!built) return built.error();
  return fmt::format("SMTP is offline; validated {} MIME bytes locally but did not send", built->size());
}

void OfflineBackend::handle(EngineRequest request, const EventSender& events) {
  const RequestKind kind = kind_of(request);
  const RequestId id = id_of(request);
  const Outcome outcome = std::visit(
      orvo::Overloaded{
          [](const request::Connect& connect) {
            return Outcome{"offline", fmt::format("IMAP is unavailable for {}; rebuild with the live mail backend to "
                                                  "connect",
                                                  connect.account.email)};
          },
          [](const request::Sync& sync) {
            return Outcome{"offline", fmt::format("Cannot refresh {} for {} while IMAP is offline",
                                                  message::display_name(sync.folder), sync.account.email)};
          },
          [](const request::SetFlags&) { return Outcome{"offline", local_change_text}; },
          [](const request::Move&) { return Outcome{"offline", local_change_text}; },
          [](const request::Purge&) { return Outcome{"offline", local_change_text}; },
          [this](const request::Send& send) { return Outcome{"send", send_result(send)}; },
          [](const request::OAuthSignIn& sign_in) {
            return Outcome{"oauth", fmt::format("OAuth sign-in for {} requires the live build", sign_in.account_key)};
          },
      },
      request);
  events.send(event::Failed{id, kind, outcome.operation, outcome.error});
}

}  // namespace mail::engine
