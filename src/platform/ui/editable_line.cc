#include "platform/ui/editable_line.h"

#include <algorithm>

#include "platform/ui/single_line_text.h"
#include "platform/ui/text_boundaries.h"

namespace orvo::ui {
namespace {

std::size_t next_boundary(std::string_view text, std::size_t offset) {
  const auto boundaries = grapheme_boundaries(text);
  const auto next = std::ranges::upper_bound(boundaries, offset);
  return next == boundaries.end() ? text.size() : *next;
}

std::size_t boundary_at_or_before(std::string_view text, std::size_t offset) {
  const auto boundaries = grapheme_boundaries(text);
  return *std::prev(std::ranges::upper_bound(boundaries, offset));
}

std::size_t previous_boundary(std::string_view text, std::size_t offset) {
  const auto boundaries = grapheme_boundaries(text);
  const auto at_or_after = std::ranges::lower_bound(boundaries, offset);
  return at_or_after == boundaries.begin() ? 0 : *std::prev(at_or_after);
}

}  // namespace

EditableLine::Range EditableLine::selection() const { return {std::min(caret_, anchor_), std::max(caret_, anchor_)}; }

std::string_view EditableLine::selected_text() const {
  const Range range = selection();
  return std::string_view(text_).substr(range.begin, range.end - range.begin);
}

void EditableLine::set_text(std::string_view text) {
  text_ = single_line_text(text);
  caret_ = anchor_ = text_.size();
}

bool EditableLine::insert(std::string_view text) {
  const std::string clean = single_line_text(text);
  const bool erased = erase(selection());
  text_.insert(caret_, clean);
  caret_ = anchor_ = caret_ + clean.size();
  return erased || !clean.empty();
}

bool EditableLine::erase_backward() {
  if (has_selection()) return erase(selection());
  return erase({previous_boundary(text_, caret_), caret_});
}

bool EditableLine::erase_forward() {
  if (has_selection()) return erase(selection());
  return erase({caret_, next_boundary(text_, caret_)});
}

bool EditableLine::erase(Range range) {
  text_.erase(range.begin, range.end - range.begin);
  caret_ = anchor_ = range.begin;
  return range.end > range.begin;
}

void EditableLine::move(Motion motion, bool extend) {
  const bool steps = motion == Motion::Left || motion == Motion::Right;
  if (steps && has_selection() && !extend) {
    const Range range = selection();
    place_caret(motion == Motion::Left ? range.begin : range.end, false);
    return;
  }
  place_caret(destination(motion), extend);
}

std::size_t EditableLine::destination(Motion motion) const {
  switch (motion) {
    case Motion::Left: return previous_boundary(text_, caret_);
    case Motion::Right: return next_boundary(text_, caret_);
    case Motion::Home: return 0;
    case Motion::End: return text_.size();
  }
  return caret_;
}

void EditableLine::place_caret(std::size_t offset, bool extend) {
  caret_ = boundary_at_or_before(text_, offset);
  if (!extend) anchor_ = caret_;
}

void EditableLine::select_all() {
  anchor_ = 0;
  caret_ = text_.size();
}

}  // namespace orvo::ui
