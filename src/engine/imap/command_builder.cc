#include "engine/imap/command_builder.h"

#include <algorithm>

namespace mail::engine::imap {
namespace {

bool needs_literal(char c) { return c == '\r' || c == '\n' || static_cast<unsigned char>(c) >= 0x80; }

std::string quote(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

std::expected<void, std::string> check_sendable(std::string_view what, std::string_view text) {
  if (text.contains('\0')) return std::unexpected(std::string(what) + " contains a NUL byte, which IMAP cannot send");
  return {};
}

CommandBuilder::CommandBuilder(std::string tag, std::string_view name) : command_{.tag = std::move(tag)} {
  command_.parts.push_back(command_.tag + ' ' + std::string(name));
}

CommandBuilder& CommandBuilder::raw(std::string_view text) {
  command_.parts.back() += ' ';
  command_.parts.back() += text;
  return *this;
}

CommandBuilder& CommandBuilder::string(std::string_view text) {
  if (!std::ranges::any_of(text, needs_literal)) return raw(quote(text));
  raw("{" + std::to_string(text.size()) + "}\r\n");
  command_.parts.emplace_back(text);
  return *this;
}

Command CommandBuilder::finish() {
  command_.parts.back() += "\r\n";
  return std::move(command_);
}

}  // namespace mail::engine::imap
