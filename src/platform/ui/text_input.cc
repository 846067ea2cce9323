#include "platform/ui/text_input.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/ui/clipboard.h"
#include "platform/ui/single_line_text.h"
#include "platform/ui/text_boundaries.h"

namespace orvo::ui {
namespace {

const TextStyle text_style = Typography::style(2);
constexpr double caret_width = 1.5;
constexpr double selection_alpha = 0.35;
constexpr std::string_view bullet = "\xE2\x80\xA2";

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The letter of a Ctrl shortcut: Ctrl alone (Shift allowed) and one typed letter.
std::optional<char> ctrl_letter(const KeyPress& key) {
  const Modifiers& held = key.modifiers;
  if (!held.ctrl || held.alt || held.meta || key.key != Key::Character || key.text.size() != 1) return std::nullopt;
  return ascii_lower(key.text.front());
}

}  // namespace

TextInput TextInput::local(const Theme& theme) { return TextInput(theme); }

TextInput TextInput::with_initial_value(std::string_view text) && {
  line_.set_text(text);
  return std::move(*this);
}

TextInput TextInput::with_kind(InputKind kind) && {
  kind_ = kind;
  return std::move(*this);
}

TextInput TextInput::with_placeholder(std::string placeholder) && {
  placeholder_ = std::move(placeholder);
  return std::move(*this);
}

void TextInput::set_text(std::string_view text) {
  line_.set_text(text);
  preedit_.clear();
  dirty_ = true;
}

void TextInput::set_focused(bool focused) {
  if (focused_ == focused) return;
  focused_ = focused;
  if (!focused) {
    preedit_.clear();
    dragging_ = false;
  }
  dirty_ = true;
}

void TextInput::apply_layout_external(const Rect& rect) {
  if (rect == rect_) return;
  rect_ = rect;
  dirty_ = true;
}

void TextInput::apply_layout(const LayoutTree& tree, NodeId node, Point parent_origin) {
  apply_layout_external(tree.layout(node).translated(parent_origin.x, parent_origin.y));
}

EventOutcome TextInput::handle_event(const Event& event, const FrameContext& context) {
  if (!focused_) return EventOutcome::Ignored;
  if (const auto* key = std::get_if<KeyPress>(&event)) return handle_key(*key);
  if (const auto* composition = std::get_if<Composition>(&event)) return handle_composition(*composition);
  if (const auto* press = std::get_if<PointerPress>(&event)) return handle_press(*press, context.text);
  if (const auto* move = std::get_if<PointerMove>(&event)) return handle_drag(*move, context.text);
  if (std::holds_alternative<PointerRelease>(event)) return handle_release();
  return EventOutcome::Ignored;
}

EventOutcome TextInput::handle_key(const KeyPress& key) {
  // While an input method composes, the keys are its own.
  if (!preedit_.empty()) return EventOutcome::Handled;
  if (key.modifiers.any_command()) return handle_command(key);
  switch (key.key) {
    case Key::Character: return updated(line_.insert(key.text));
    case Key::Backspace: return updated(line_.erase_backward());
    case Key::Delete: return updated(line_.erase_forward());
    case Key::Left: return move_caret(EditableLine::Motion::Left, key.modifiers.shift);
    case Key::Right: return move_caret(EditableLine::Motion::Right, key.modifiers.shift);
    case Key::Home: return move_caret(EditableLine::Motion::Home, key.modifiers.shift);
    case Key::End: return move_caret(EditableLine::Motion::End, key.modifiers.shift);
    default: return EventOutcome::Ignored;
  }
}

EventOutcome TextInput::move_caret(EditableLine::Motion motion, bool extend) {
  line_.move(motion, extend);
  return updated(false);
}

EventOutcome TextInput::handle_command(const KeyPress& key) {
  switch (ctrl_letter(key).value_or('\0')) {
    case 'a': line_.select_all(); return updated(false);
    case 'c': copy_selection(); return EventOutcome::Handled;
    case 'x': return copy_selection() ? updated(line_.erase_backward()) : EventOutcome::Handled;
    case 'v': return updated(line_.insert(clipboard::text()));
    default: return EventOutcome::Ignored;
  }
}

bool TextInput::copy_selection() const {
  if (masked() || !line_.has_selection()) return false;
  clipboard::set_text(line_.selected_text());
  return true;
}

EventOutcome TextInput::handle_composition(const Composition& composition) {
  // An empty commit must not erase the selection: it only updates the preedit.
  const bool text_changed = !composition.commit.empty() && line_.insert(composition.commit);
  preedit_ = single_line_text(composition.preedit);
  return updated(text_changed);
}

EventOutcome TextInput::handle_press(const PointerPress& press, const TextRenderer& text) {
  if (press.button != PointerButton::Primary || !rect_.contains(press.position)) return EventOutcome::Ignored;
  if (preedit_.empty()) {
    line_.place_caret(offset_at(text, press.position.x), press.modifiers.shift);
    dragging_ = true;
  }
  return updated(false);
}

EventOutcome TextInput::handle_drag(const PointerMove& move, const TextRenderer& text) {
  if (!dragging_) return EventOutcome::Ignored;
  line_.place_caret(offset_at(text, move.position.x), true);
  return updated(false);
}

EventOutcome TextInput::handle_release() {
  if (!dragging_) return EventOutcome::Ignored;
  dragging_ = false;
  return EventOutcome::Handled;
}

EventOutcome TextInput::updated(bool text_changed) {
  changed_ = changed_ || text_changed;
  dirty_ = true;
  return EventOutcome::Handled;
}

std::string TextInput::shown(std::string_view part) const {
  if (!masked()) return std::string(part);
  const std::size_t characters = grapheme_boundaries(part).size() - 1;
  std::string bullets;
  bullets.reserve(characters * bullet.size());
  for (std::size_t i = 0; i < characters; ++i) bullets += bullet;
  return bullets;
}

// Offsets after the caret are shifted by the preedit, which stands at the caret.
double TextInput::x_of(const TextRenderer& text, std::size_t offset) const {
  const double x = text.width(shown(std::string_view(line_.text()).substr(0, offset)), text_style);
  return offset > line_.caret() ? x + text.width(shown(preedit_), text_style) : x;
}

double TextInput::caret_x(const TextRenderer& text) const {
  return x_of(text, line_.caret()) + text.width(shown(preedit_), text_style);
}

std::size_t TextInput::offset_at(const TextRenderer& text, double x) const {
  const double target = x - rect_.x0 + scroll_;
  const auto boundaries = grapheme_boundaries(line_.text());
  return *std::ranges::min_element(boundaries, {},
                                   [&](std::size_t offset) { return std::abs(x_of(text, offset) - target); });
}

void TextInput::scroll_to_caret(const TextRenderer& text) {
  const double room = rect_.width() - caret_width;
  const double caret = caret_x(text);
  const double line_end = std::max(caret, x_of(text, line_.text().size()));
  scroll_ = std::max(std::min(scroll_, caret), caret - room);
  // Text that got shorter pulls back in, rather than leaving room after its end.
  scroll_ = std::max(0.0, std::min(scroll_, line_end - room));
}

void TextInput::draw(Canvas& canvas) {
  const TextRenderer& text = canvas.text();
  scroll_to_caret(text);
  const double height = text.line_height(text_style);
  const double top = rect_.center().y - height / 2;
  CanvasState state(canvas);
  canvas.clip(rect_);
  if (line_.text().empty() && preedit_.empty()) {
    canvas.draw_text(placeholder_, {rect_.x0, top}, text_style, theme_->colors.text_faint, rect_.width());
  } else {
    draw_line(canvas, {rect_.x0 - scroll_, top}, height);
  }
  if (focused_) {
    const double x = rect_.x0 - scroll_ + caret_x(text);
    canvas.fill_rect({x, top, x + caret_width, top + height}, theme_->colors.accent);
  }
}

void TextInput::draw_line(Canvas& canvas, Point origin, double height) const {
  const TextRenderer& text = canvas.text();
  if (focused_ && line_.has_selection()) {
    const EditableLine::Range range = line_.selection();
    canvas.fill_rect(
        {origin.x + x_of(text, range.begin), origin.y, origin.x + x_of(text, range.end), origin.y + height},
        theme_->colors.accent.with_alpha(selection_alpha));
  }
  const std::string_view whole = line_.text();
  const std::size_t caret = line_.caret();
  canvas.draw_text(shown(whole.substr(0, caret)) + shown(preedit_) + shown(whole.substr(caret)), origin, text_style,
                   theme_->colors.text);
  if (!preedit_.empty()) {
    const double underline = origin.y + height - 1;
    canvas.hairline({origin.x + x_of(text, caret), underline}, {origin.x + caret_x(text), underline},
                    theme_->colors.text);
  }
}

std::optional<AccessNode> TextInput::accessibility() const {
  return AccessNode{.role = AccessRole::TextField,
                    .label = placeholder_,
                    .value = masked() ? std::string() : line_.text(),
                    .bounds = rect_};
}

bool TextInput::perform_semantic_action(const SemanticAction& action, const FrameContext&) {
  if (action.kind != SemanticKind::SetValue) return false;
  set_text(action.value);
  updated(true);
  return true;
}

}  // namespace orvo::ui
