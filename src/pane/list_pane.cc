#include "pane/list_pane.h"

#include "pane/bulk_bar.h"
#include "pane/empty_list.h"
#include "pane/list_access.h"
#include "pane/list_header.h"
#include "pane/list_row_painter.h"
#include "pane/list_rows.h"
#include "state/message_commands.h"

namespace mail::pane {
namespace {

using orvo::ui::EventOutcome;
using state::MailState;

void refresh(MailState& state) {
  state.queue_refresh();
  state.set_status("Syncing " + std::string(message::display_name(state.current_folder)) + "\u2026");
}

const message::MessageId* message_of(const PaneHit& hit) { return std::get_if<message::MessageId>(&hit.payload); }

}  // namespace

SearchField& ListPane::search_field(const PaneFrame& frame) {
  if (!search_) search_.emplace(frame.theme);
  return *search_;
}

void ListPane::add_regions(const PaneFrame& frame, std::vector<PaneHit>& hits) {
  const ListHeaderLayout header = layout_list_header(frame, metrics_);
  // A focus request is taken before the next event, so that keys typed right after
  // "/" reach the field. Bulk selection hides the field; focusing it then would send
  // keys somewhere unseen.
  if (frame.state.search_focus_requested) frame.state.set_search_focus(!frame.state.bulk_mode);
  SearchField& search = search_field(frame);
  search.follow(frame.state);
  if (header.search) search.place(*header.search);
  add_header_regions(header, frame.state, hits);
  if (frame.state.bulk_mode) add_bulk_bar_regions(layout_bulk_bar(frame, metrics_.header_height), hits);
  add_row_regions(layout_list_rows(frame, metrics_), hits);
}

void ListPane::draw(orvo::ui::Canvas& canvas, const PaneFrame& frame, const std::vector<PaneHit>&) {
  metrics_ = ListMetrics::measure(canvas.text(), frame.theme);
  orvo::ui::CanvasState saved(canvas);
  canvas.clip(frame.rect);
  canvas.fill_rect(frame.rect, frame.theme.colors.surface);
  draw_header(canvas, frame);
  draw_rows(canvas, frame);
}

void ListPane::draw_header(orvo::ui::Canvas& canvas, const PaneFrame& frame) {
  const ListHeaderLayout header = layout_list_header(frame, metrics_);
  draw_list_header(canvas, frame, header);
  SearchField& search = search_field(frame);
  search.follow(frame.state);
  if (header.search) {
    search.place(*header.search);
    search.draw(canvas, frame, *header.search);
  }
  if (frame.state.bulk_mode) draw_bulk_bar(canvas, frame, layout_bulk_bar(frame, metrics_.header_height));
}

void ListPane::draw_rows(orvo::ui::Canvas& canvas, const PaneFrame& frame) {
  const std::vector<ListRow> rows = layout_list_rows(frame, metrics_);
  for (const ListRow& row : rows) {
    paint_list_row(canvas, frame, metrics_, row, swipe_.drag_of(row.item.representative));
  }
  if (rows.empty()) {
    paint_empty_list(canvas, frame.theme, empty_list_text(frame.state),
                     {frame.rect.x0, list_rows_top(frame, metrics_), frame.rect.x1, frame.rect.y1});
  }
}

EventOutcome ListPane::handle_event(const orvo::ui::Event& event, const PaneFrame& frame,
                                    const std::vector<PaneHit>& hits, const orvo::ui::FrameContext& context) {
  SearchField& search = search_field(frame);
  if (search.takes(event)) return search.type(event, frame.state, context);
  if (const auto* pressed = std::get_if<orvo::ui::PointerPress>(&event)) return press(*pressed, frame, hits, context);
  if (search.drag(event, context) == EventOutcome::Handled) return EventOutcome::Handled;
  if (const auto* moved = std::get_if<orvo::ui::PointerMove>(&event)) return move(*moved, frame.state);
  if (const auto* released = std::get_if<orvo::ui::PointerRelease>(&event)) return release(*released, frame.state);
  return EventOutcome::Ignored;
}

EventOutcome ListPane::press(const orvo::ui::PointerPress& press, const PaneFrame& frame,
                             const std::vector<PaneHit>& hits, const orvo::ui::FrameContext& context) {
  const PaneHit* hit = hit_at(hits, press.position);
  if (hit == nullptr) return EventOutcome::Ignored;
  if (press.button == orvo::ui::PointerButton::Secondary) {
    const message::MessageId* id = message_of(*hit);
    if (id == nullptr) return EventOutcome::Ignored;
    frame.state.queue(state::effect::ContextMenu{*id, press.position.x, press.position.y});
    return EventOutcome::Handled;
  }
  if (press.button != orvo::ui::PointerButton::Primary) return EventOutcome::Ignored;
  const bool swipeable = hit->kind == PaneHitKind::OpenMessage && !frame.state.bulk_mode;
  click(*hit, press, frame, context);
  if (swipeable) swipe_.press(*message_of(*hit), press.position);
  return EventOutcome::Handled;
}

void ListPane::click(const PaneHit& hit, const orvo::ui::PointerPress& press, const PaneFrame& frame,
                     const orvo::ui::FrameContext& context) {
  MailState& state = frame.state;
  switch (hit.kind) {
    case PaneHitKind::OpenMessage: open_row(*message_of(hit), frame); break;
    case PaneHitKind::ToggleStar:
      state::run_message_command(state, state::MessageCommand::ToggleStar, *message_of(hit));
      break;
    case PaneHitKind::SearchField: search_field(frame).click(state, press, context); break;
    case PaneHitKind::ClearSearch: search_field(frame).clear(state); break;
    case PaneHitKind::Refresh: refresh(state); break;
    case PaneHitKind::ToggleBulk: state::toggle_bulk_mode(state); break;
    case PaneHitKind::SelectAllVisible: state::select_all_visible(state); break;
    case PaneHitKind::BulkAction: run_bulk_action(state, std::get<state::BulkAction>(hit.payload)); break;
    default: break;
  }
}

void ListPane::open_row(const message::MessageId& id, const PaneFrame& frame) {
  MailState& state = frame.state;
  search_field(frame).unfocus(state);
  if (state.bulk_mode) {
    state.toggle_bulk_selection(id);
  } else if (const message::MessageRecord* message = state.store.find(id);
             message != nullptr && message->folder == message::FolderKind::Drafts) {
    state.queue(state::effect::EditDraft{id});
  } else {
    state.open_message(id);
  }
}

EventOutcome ListPane::move(const orvo::ui::PointerMove& move, MailState& state) {
  if (!swipe_.move(move.position)) return EventOutcome::Ignored;
  state.changed = true;
  return EventOutcome::Handled;
}

EventOutcome ListPane::release(const orvo::ui::PointerRelease& release, MailState& state) {
  const std::optional<SwipeRelease> ended = swipe_.release(release.position);
  if (!ended) return EventOutcome::Ignored;
  switch (ended->end) {
    case SwipeEnd::Click: return EventOutcome::Ignored;
    case SwipeEnd::Cancel: break;
    case SwipeEnd::Archive: state::run_message_command(state, state::MessageCommand::Archive, ended->id); break;
    case SwipeEnd::Delete: state::run_message_command(state, state::MessageCommand::Delete, ended->id); break;
  }
  state.changed = true;
  return EventOutcome::Handled;
}

orvo::ui::AccessNode ListPane::accessibility(const PaneFrame& frame) const {
  const ListHeaderLayout header = layout_list_header(frame, metrics_);
  const std::vector<BulkBarButton> bulk_bar =
      frame.state.bulk_mode ? layout_bulk_bar(frame, metrics_.header_height) : std::vector<BulkBarButton>{};
  const std::vector<ListRow> rows = layout_list_rows(frame, metrics_);
  return list_access_node(frame.state, {header, bulk_bar, rows});
}

void ListPane::sync(const orvo::ui::FrameContext& context) {
  if (search_) search_->sync(context);
}

}  // namespace mail::pane
