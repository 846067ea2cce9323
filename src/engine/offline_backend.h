#pragma once

#include "engine/mail_backend.h"
#include "platform/storage/blob_store.h"

namespace mail::engine {

// Serves every request without a network: each one fails, saying what was not done,
// while the application's local changes stay in effect. Sending still builds the
// message, so the user learns whether it would have been valid.
class OfflineBackend final : public MailBackend {
 public:
  // Attachments of drafts are read from `attachments`.
  explicit OfflineBackend(orvo::storage::BlobStore attachments);

  void handle(EngineRequest request, const EventSender& events) override;

 private:
  [[nodiscard]] std::string send_result(const request::Send& send) const;

  orvo::storage::BlobStore attachments_;
};

}  // namespace mail::engine
