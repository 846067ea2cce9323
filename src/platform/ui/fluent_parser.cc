#include "platform/ui/fluent_parser.h"

#include <algorithm>

namespace orvo::ui {
namespace {

// Fluent's inline blank is the space alone; a tab is text.
constexpr char blank = ' ';

std::string_view trim_blanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(blank);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blank) - first + 1);
}

bool is_ascii_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool is_identifier(std::string_view text) {
  if (text.empty() || !is_ascii_letter(text.front())) return false;
  return std::ranges::all_of(
      text, [](char c) { return is_ascii_letter(c) || (c >= '0' && c <= '9') || c == '_' || c == '-'; });
}

bool is_comment(std::string_view line) {
  const std::size_t hashes = std::min(line.find_first_not_of('#'), line.size());
  return hashes >= 1 && hashes <= 3 && (hashes == line.size() || line[hashes] == blank);
}

std::expected<FluentVariable, std::string> parse_placeable(std::string_view inside) {
  const std::string_view expression = trim_blanks(inside);
  if (!expression.starts_with('$') || !is_identifier(expression.substr(1))) {
    return std::unexpected("only { $variable } placeables are supported, not {" + std::string(inside) + "}");
  }
  return FluentVariable{std::string(expression.substr(1))};
}

std::expected<FluentPattern, std::string> parse_pattern(std::string_view value) {
  FluentPattern pattern;
  while (!value.empty()) {
    const std::size_t brace = value.find_first_of("{}");
    if (brace != 0) pattern.elements.emplace_back(std::string(value.substr(0, brace)));
    if (brace == std::string_view::npos) break;
    if (value[brace] == '}') return std::unexpected("\"}\" without \"{\"");
    const std::size_t close = value.find('}', brace);
    if (close == std::string_view::npos) return std::unexpected("\"{\" without \"}\"");
    auto variable = parse_placeable(value.substr(brace + 1, close - brace - 1));
    if (!variable) return std::unexpected(variable.error());
    pattern.elements.emplace_back(std::move(*variable));
    value.remove_prefix(close + 1);
  }
  return pattern;
}

std::expected<FluentMessage, std::string> parse_message(std::string_view line) {
  const std::size_t equals = line.find('=');
  const std::string_view key = trim_blanks(line.substr(0, equals));
  if (equals == std::string_view::npos || line.front() == blank || !is_identifier(key)) {
    return std::unexpected("expected a comment or a message \"key = value\"");
  }
  const std::string_view value = trim_blanks(line.substr(equals + 1));
  if (value.empty()) return std::unexpected("message \"" + std::string(key) + "\" has no value");
  auto pattern = parse_pattern(value);
  if (!pattern) return std::unexpected("message \"" + std::string(key) + "\": " + pattern.error());
  return FluentMessage{std::string(key), std::move(*pattern)};
}

}  // namespace

std::expected<std::vector<FluentMessage>, std::string> parse_fluent(std::string_view resource) {
  std::vector<FluentMessage> messages;
  int number = 0;
  while (!resource.empty()) {
    const std::size_t end = resource.find('\n');
    std::string_view line = resource.substr(0, end);
    resource.remove_prefix(end == std::string_view::npos ? resource.size() : end + 1);
    ++number;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (trim_blanks(line).empty() || is_comment(line)) continue;
    auto message = parse_message(line);
    if (!message) return std::unexpected("line " + std::to_string(number) + ": " + message.error());
    messages.push_back(std::move(*message));
  }
  return messages;
}

}  // namespace orvo::ui
