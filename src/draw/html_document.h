#pragma once

#include <string>
#include <string_view>

#include "draw/remote_content.h"

namespace mail::draw {

// A complete, self-contained page around a message's HTML body. The body goes in
// exactly as received: the page's policy, not any rewriting of the mail, keeps it in check.
[[nodiscard]] std::string html_document(std::string_view html_body, RemoteImages images);

// The document as a data: URL, so the web engine loads it without any origin it could
// reach back to.
[[nodiscard]] std::string html_data_url(std::string_view document);

}  // namespace mail::draw
