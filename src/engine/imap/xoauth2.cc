#include "engine/imap/xoauth2.h"

#include <algorithm>

#include "engine/imap/base64.h"

namespace mail::engine::imap {
namespace {

bool is_control(char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; }

}  // namespace

std::expected<std::string, std::string> xoauth2_response(std::string_view user, std::string_view access_token) {
  if (std::ranges::any_of(user, is_control)) return std::unexpected("the user name contains a control character");
  if (std::ranges::any_of(access_token, is_control)) {
    return std::unexpected("the access token contains a control character");
  }
  constexpr char separator = '\x01';
  const std::string sasl =
      "user=" + std::string(user) + separator + "auth=Bearer " + std::string(access_token) + separator + separator;
  return encode_base64(sasl) + "\r\n";
}

}  // namespace mail::engine::imap
