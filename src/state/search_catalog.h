#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/search/search_catalog.h"
#include "platform/search/search_provider.h"
#include "state/mail_state.h"

namespace mail::state {

// What the desktop's search finds of the mail: the seven folders in sidebar order, then
// every message outside Trash in store order.
std::vector<orvo::search::SearchEntry> search_catalog_entries(const MessageStore& store);

// The "Mail" catalogue of the desktop's search, kept in step with the message store.
class MailSearchCatalog {
 public:
  MailSearchCatalog();

  // Rebuilds the catalogue when the store has changed since the last attempt. A failed
  // attempt is kept as the failure and shown in the status line; it is tried again once
  // the store changes, since rebuilding an unchanged store would fail the same way.
  void refresh(MailState& state);

  // Queries trimmed text, caps both counts at 256 and answers blank text with an empty page.
  // It shares the catalogue, so it stays usable on the search's thread after this object is gone.
  [[nodiscard]] orvo::search::SearchProvider provider() const;
  [[nodiscard]] const orvo::search::SearchCatalog& catalog() const { return *catalog_; }
  // Why the last rebuild failed; none once one succeeds.
  [[nodiscard]] const std::optional<std::string>& failure() const { return failure_; }

 private:
  std::shared_ptr<orvo::search::SearchCatalog> catalog_;
  std::optional<std::uint64_t> attempted_revision_;
  std::optional<std::string> failure_;
};

}  // namespace mail::state
