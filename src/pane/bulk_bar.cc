#include "pane/bulk_bar.h"

#include "state/message_commands.h"

namespace mail::pane {
namespace {

using orvo::ui::ButtonFace;
using orvo::ui::ButtonTone;
using orvo::ui::Rect;
using state::BulkAction;

constexpr double bar_top_gap = 6;
constexpr double button_height = 38;
constexpr double row_gap = 7;
constexpr double side_inset = 14;
constexpr double gutter = 8;

std::string action_label(BulkAction action) {
  switch (action) {
    case BulkAction::Archive: return "Archive";
    case BulkAction::MoveToTrash: return "Move to Trash";
    case BulkAction::Purge: return "Delete permanently";
    case BulkAction::MarkRead: return "Mark read";
    case BulkAction::MarkUnread: return "Mark unread";
  }
  return {};
}

BulkBarButton action_button(BulkAction action, const Rect& rect) {
  const ButtonTone tone = action == BulkAction::Purge ? ButtonTone::Danger : ButtonTone::Normal;
  return {{ButtonFace{.label = action_label(action), .tone = tone}, rect}, PaneHitKind::BulkAction, action};
}

std::size_t apply_bulk_action(state::MailState& state, BulkAction action) {
  switch (action) {
    case BulkAction::Archive: return state::bulk_archive(state);
    case BulkAction::MoveToTrash: return state::bulk_move_to_trash(state);
    case BulkAction::MarkRead: return state::bulk_set_read(state, true);
    case BulkAction::MarkUnread: return state::bulk_set_read(state, false);
    case BulkAction::Purge: break;
  }
  return 0;
}

}  // namespace

std::vector<BulkBarButton> layout_bulk_bar(const PaneFrame& frame, double header_height) {
  const double scale = frame.scale;
  const double left = frame.rect.x0 + side_inset * scale;
  const double right = frame.rect.x1 - side_inset * scale;
  const double middle_left = (left + right - gutter * scale) / 2;
  const double middle_right = middle_left + gutter * scale;
  auto cell = [&](int row, double from, double to) {
    const double top = frame.rect.y0 + header_height + (bar_top_gap + row * (button_height + row_gap)) * scale;
    return Rect{from, top, to, top + button_height * scale};
  };
  return {
      {{ButtonFace{.label = "Select all"}, cell(0, left, middle_left)}, PaneHitKind::SelectAllVisible, {}},
      action_button(BulkAction::Archive, cell(0, middle_right, right)),
      action_button(BulkAction::MarkRead, cell(1, left, middle_left)),
      action_button(BulkAction::MarkUnread, cell(1, middle_right, right)),
      action_button(third_bulk_action(frame.state), cell(2, left, right)),
  };
}

BulkAction third_bulk_action(const state::MailState& state) {
  return state::selection_all_in_trash(state) ? BulkAction::Purge : BulkAction::MoveToTrash;
}

void add_bulk_bar_regions(const std::vector<BulkBarButton>& buttons, std::vector<PaneHit>& hits) {
  for (const BulkBarButton& button : buttons) hits.push_back({button.button.rect, button.kind, button.payload});
}

void draw_bulk_bar(orvo::ui::Canvas& canvas, const PaneFrame& frame, const std::vector<BulkBarButton>& buttons) {
  for (const BulkBarButton& button : buttons) button.button.paint(canvas, frame.theme, frame.state.pointer);
}

void run_bulk_action(state::MailState& state, BulkAction action) {
  if (action == BulkAction::Purge) {
    state.queue(state::effect::ConfirmPurge{});
    return;
  }
  const std::size_t count = apply_bulk_action(state, action);
  if (count > 0) state.set_status(action_label(action) + " " + state::messages_phrase(count));
}

}  // namespace mail::pane
