#include "platform/ui/input_script.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <utility>

namespace orvo::ui {
namespace {

using Words = std::vector<std::string_view>;

std::string lowered(std::string_view text) {
  std::string result(text);
  std::ranges::transform(result, result.begin(), [](unsigned char c) { return std::tolower(c); });
  return result;
}

// Steps end at newlines and at ';' not preceded by a backslash.
std::vector<std::string> split_steps(std::string_view script) {
  std::vector<std::string> steps(1);
  for (std::size_t i = 0; i < script.size(); ++i) {
    const char c = script[i];
    if (c == '\\' && i + 1 < script.size() && script[i + 1] == ';') {
      steps.back() += ';';
      ++i;
    } else if (c == ';' || c == '\n') {
      steps.emplace_back();
    } else {
      steps.back() += c;
    }
  }
  return steps;
}

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

Words split_words(std::string_view text) {
  Words words;
  std::size_t position = 0;
  while ((position = text.find_first_not_of(' ', position)) != std::string_view::npos) {
    const auto end = std::min(text.find(' ', position), text.size());
    words.push_back(text.substr(position, end - position));
    position = end;
  }
  return words;
}

std::optional<double> number(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<Key> named_key(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, Key>, 25> names{{
      {"enter", Key::Enter},   {"return", Key::Enter},  {"escape", Key::Escape}, {"esc", Key::Escape},
      {"tab", Key::Tab},       {"backspace", Key::Backspace}, {"delete", Key::Delete}, {"up", Key::Up},
      {"down", Key::Down},     {"left", Key::Left},     {"right", Key::Right},   {"home", Key::Home},
      {"end", Key::End},       {"pageup", Key::PageUp}, {"pagedown", Key::PageDown}, {"f1", Key::F1},
      {"f2", Key::F2},         {"f3", Key::F3},         {"f4", Key::F4},         {"f5", Key::F5},
      {"f6", Key::F6},         {"f7", Key::F7},         {"f8", Key::F8},         {"f9", Key::F9},
      {"f10", Key::F10},
  }};
  const std::string key = lowered(name);
  if (key == "f11") return Key::F11;
  if (key == "f12") return Key::F12;
  const auto found = std::ranges::find(names, key, &std::pair<std::string_view, Key>::first);
  if (found == names.end()) return std::nullopt;
  return found->second;
}

std::size_t utf8_length(unsigned char lead) {
  if (lead >= 0xf0) return 4;
  if (lead >= 0xe0) return 3;
  if (lead >= 0xc0) return 2;
  return 1;
}

std::expected<KeyPress, std::string> parse_key(std::string_view key_name) {
  KeyPress press;
  // The last part is the key itself, so "Ctrl++" is Ctrl with "+".
  while (key_name.size() > 1) {
    const auto plus = key_name.find('+');
    if (plus == std::string_view::npos || plus == key_name.size() - 1) break;
    const std::string modifier = lowered(key_name.substr(0, plus));
    if (modifier == "shift") press.modifiers.shift = true;
    else if (modifier == "ctrl" || modifier == "control") press.modifiers.ctrl = true;
    else if (modifier == "alt") press.modifiers.alt = true;
    else if (modifier == "meta" || modifier == "cmd" || modifier == "super") press.modifiers.meta = true;
    else return std::unexpected("unknown modifier \"" + std::string(key_name.substr(0, plus)) + "\"");
    key_name.remove_prefix(plus + 1);
  }
  if (key_name.empty()) return std::unexpected("a key needs a name");
  if (lowered(key_name) == "space") {
    press.text = " ";
    return press;
  }
  if (auto key = named_key(key_name); key && key_name.size() > 1) {
    press.key = *key;
    return press;
  }
  if (utf8_length(static_cast<unsigned char>(key_name.front())) != key_name.size()) {
    return std::unexpected("unknown key \"" + std::string(key_name) + "\"");
  }
  press.text = std::string(key_name);
  if (press.text.size() == 1 && std::isalpha(static_cast<unsigned char>(press.text[0]))) {
    press.text[0] = static_cast<char>(press.modifiers.shift ? std::toupper(press.text[0]) : std::tolower(press.text[0]));
  }
  return press;
}

std::vector<ScriptStep> typed(std::string_view text) {
  std::vector<ScriptStep> steps;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = std::min(utf8_length(static_cast<unsigned char>(text[i])), text.size() - i);
    steps.emplace_back(Event{KeyPress{.text = std::string(text.substr(i, length))}});
    i += length;
  }
  return steps;
}

std::optional<Point> point(const Words& words) {
  if (words.size() < 3) return std::nullopt;
  const auto x = number(words[1]);
  const auto y = number(words[2]);
  if (!x || !y) return std::nullopt;
  return Point{*x, *y};
}

PointerButton button(const Words& words) {
  return words.size() > 3 && words[3] == "right" ? PointerButton::Secondary : PointerButton::Primary;
}

std::expected<std::vector<ScriptStep>, std::string> pointer_steps(const Words& words) {
  const auto at = point(words);
  if (!at) return std::unexpected("\"" + std::string(words[0]) + "\" needs X and Y");
  const std::string_view verb = words[0];
  if (verb == "move") return std::vector<ScriptStep>{Event{PointerMove{*at}}};
  if (verb == "press") return std::vector<ScriptStep>{Event{PointerPress{*at, button(words)}}};
  if (verb == "release") return std::vector<ScriptStep>{Event{PointerRelease{*at, button(words)}}};
  if (verb == "click") {
    return std::vector<ScriptStep>{Event{PointerMove{*at}}, Event{PointerPress{*at, button(words)}},
                                   Event{PointerRelease{*at, button(words)}}};
  }
  // wheel X Y DY [DX] [pixels]
  Wheel wheel{.position = *at};
  const auto dy = words.size() > 3 ? number(words[3]) : std::nullopt;
  if (!dy) return std::unexpected("\"wheel\" needs X, Y and DY");
  wheel.dy = *dy;
  for (std::size_t i = 4; i < words.size(); ++i) {
    if (words[i] == "pixels") wheel.unit = WheelUnit::Pixels;
    else if (auto dx = number(words[i])) wheel.dx = *dx;
    else return std::unexpected("unknown wheel argument \"" + std::string(words[i]) + "\"");
  }
  return std::vector<ScriptStep>{Event{wheel}};
}

std::expected<SemanticAction, std::string> semantic_action(std::string_view rest) {
  const Words words = split_words(rest);
  if (words.empty()) return std::unexpected("\"action\" needs an id");
  SemanticAction action{.id = std::string(words[0])};
  if (words.size() == 1) return action;
  const std::string kind = lowered(words[1]);
  if (kind == "invoke") action.kind = SemanticKind::Invoke;
  else if (kind == "focus") action.kind = SemanticKind::Focus;
  else if (kind == "expand") action.kind = SemanticKind::Expand;
  else if (kind == "collapse") action.kind = SemanticKind::Collapse;
  else if (kind == "set") {
    action.kind = SemanticKind::SetValue;
    const auto value_start = rest.find(words[1]) + words[1].size() + 1;
    action.value = value_start < rest.size() ? std::string(rest.substr(value_start)) : std::string();
  } else {
    return std::unexpected("unknown action kind \"" + std::string(words[1]) + "\"");
  }
  return action;
}

std::expected<std::vector<ScriptStep>, std::string> parse_step(std::string_view step) {
  const auto space = step.find(' ');
  const std::string_view verb = step.substr(0, space);
  const std::string_view rest = space == std::string_view::npos ? std::string_view() : step.substr(space + 1);
  if (verb == "type") return typed(rest);
  if (verb == "compose") return std::vector<ScriptStep>{Event{Composition{.preedit = std::string(rest)}}};
  if (verb == "commit") return std::vector<ScriptStep>{Event{Composition{.commit = std::string(rest)}}};
  if (verb == "key") {
    auto press = parse_key(trimmed(rest));
    if (!press) return std::unexpected(press.error());
    return std::vector<ScriptStep>{Event{*press}};
  }
  if (verb == "action") {
    auto action = semantic_action(rest);
    if (!action) return std::unexpected(action.error());
    return std::vector<ScriptStep>{*action};
  }
  if (verb == "wait") {
    const auto ms = number(trimmed(rest));
    if (!ms || *ms < 0) return std::unexpected("\"wait\" needs milliseconds");
    return std::vector<ScriptStep>{Pause{std::chrono::milliseconds(static_cast<long>(*ms))}};
  }
  if (verb == "move" || verb == "click" || verb == "press" || verb == "release" || verb == "wheel") {
    return pointer_steps(split_words(step));
  }
  return std::unexpected("unknown step \"" + std::string(verb) + "\"");
}

}  // namespace

std::expected<std::vector<ScriptStep>, std::string> parse_input_script(std::string_view script) {
  std::vector<ScriptStep> steps;
  for (const std::string& raw : split_steps(script)) {
    const std::string_view step = trimmed(raw);
    if (step.empty() || step.front() == '#') continue;
    auto parsed = parse_step(step);
    if (!parsed) return std::unexpected("input script: " + parsed.error() + " in \"" + std::string(step) + "\"");
    std::ranges::move(*parsed, std::back_inserter(steps));
  }
  return steps;
}

}  // namespace orvo::ui
