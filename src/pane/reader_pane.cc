#include "pane/reader_pane.h"

#include <algorithm>

#include "draw/html_banner.h"
#include "pane/reader_accessibility.h"
#include "pane/reader_conversation.h"
#include "pane/reader_layout_large.h"
#include "pane/reader_layout_standard.h"
#include "pane/reader_notices.h"
#include "pane/reader_toolbar.h"
#include "platform/ui/test_engine.h"
#include "state/message_commands.h"

namespace mail::pane {
namespace {

using orvo::ui::EventOutcome;
using state::MessageCommand;

constexpr double largest_standard_scale = 1.25;
constexpr std::string_view chip_tooltip = "Save attachment";

// The selected message while the reader shows it and its toolbar: not while
// selecting, and not once it has left the store.
const message::MessageRecord* shown_message(const state::MailState& state) {
  if (state.bulk_mode || !state.selected) return nullptr;
  return state.store.find(*state.selected);
}

void run_toolbar_command(state::MailState& state, PaneHitKind kind, const message::MessageId& id) {
  switch (kind) {
    case PaneHitKind::Reply: state::run_message_command(state, MessageCommand::Reply, id); break;
    case PaneHitKind::Archive: state::run_message_command(state, MessageCommand::Archive, id); break;
    case PaneHitKind::Delete: state::run_message_command(state, MessageCommand::Delete, id); break;
    case PaneHitKind::StarSelected: state::run_message_command(state, MessageCommand::ToggleStar, id); break;
    case PaneHitKind::MarkUnread:
      state.apply({.kind = state::LocalChange::Kind::SetRead, .ids = {id}, .value = false});
      break;
    default: break;
  }
}

}  // namespace

ReaderPane::ReaderPane() : ReaderPane([] { return orvo::ui::TestEngine::create(); }) {}

ReaderPane::ReaderPane(ReaderHtmlView::EngineFactory make_engine) : html_(std::move(make_engine)) {}

void ReaderPane::add_regions(const PaneFrame& frame, std::vector<PaneHit>& hits) {
  if (shown_message(frame.state) != nullptr) add_toolbar_regions(reader_toolbar(frame), hits);
}

void ReaderPane::draw(orvo::ui::Canvas& canvas, const PaneFrame& frame, const std::vector<PaneHit>&) {
  chips_.clear();
  html_.begin_frame();
  orvo::ui::CanvasState clip_state(canvas);
  canvas.clip(frame.rect);
  canvas.fill_rect(frame.rect, frame.theme.colors.surface);
  const message::MessageRecord* selected = shown_message(frame.state);
  if (frame.state.bulk_mode) {
    draw_bulk_notice(canvas, frame.theme, frame.rect, frame.state.bulk_selection.size());
  } else if (selected == nullptr) {
    draw_no_conversation(canvas, frame.theme, frame.rect);
  } else {
    draw_conversation(canvas, frame, *selected);
  }
}

void ReaderPane::draw_conversation(orvo::ui::Canvas& canvas, const PaneFrame& frame,
                                   const message::MessageRecord& selected) {
  const Conversation& conversation = conversation_.get(frame.state.store, selected.id);
  html_.follow(conversation.back()->id);
  draw_toolbar(canvas, frame, reader_toolbar(frame), selected.starred);
  if (frame.theme.scale <= largest_standard_scale) {
    chips_ = draw_standard_layout(canvas, frame, conversation, html_);
  } else {
    draw_large_layout(canvas, frame, conversation);
  }
}

EventOutcome ReaderPane::handle_event(const orvo::ui::Event& event, const PaneFrame& frame,
                                      const std::vector<PaneHit>& hits, const orvo::ui::FrameContext& context) {
  if (html_.forward(event, context) == EventOutcome::Handled) return EventOutcome::Handled;
  const auto* press = std::get_if<orvo::ui::PointerPress>(&event);
  if (press == nullptr || press->button != orvo::ui::PointerButton::Primary) return EventOutcome::Ignored;
  return click(press->position, frame, hits) ? EventOutcome::Handled : EventOutcome::Ignored;
}

// The banner and the chips lie over the conversation, so they are tried before the regions.
bool ReaderPane::click(orvo::ui::Point point, const PaneFrame& frame, const std::vector<PaneHit>& hits) {
  state::MailState& state = frame.state;
  if (on_remote_toggle(point)) {
    html_.toggle_remote_images();
    state.changed = true;
    return true;
  }
  if (const AttachmentChip* chip = chip_at(point)) {
    state.queue(state::effect::SaveAttachment{chip->message, chip->index});
    return true;
  }
  const PaneHit* hit = hit_at(hits, point);
  const message::MessageRecord* target = shown_message(state);
  if (hit == nullptr || target == nullptr) return false;
  run_toolbar_command(state, hit->kind, target->id);
  return true;
}

bool ReaderPane::on_remote_toggle(orvo::ui::Point point) const {
  return html_.remote_toggle() && html_.remote_toggle()->contains(point);
}

const AttachmentChip* ReaderPane::chip_at(orvo::ui::Point point) const {
  const auto found = std::ranges::find_if(chips_, [&](const AttachmentChip& chip) { return chip.rect.contains(point); });
  return found == chips_.end() ? nullptr : &*found;
}

orvo::ui::AccessNode ReaderPane::accessibility(const PaneFrame& frame) const {
  return reader_accessibility(frame.state);
}

std::optional<std::string> ReaderPane::own_tooltip(orvo::ui::Point point, const PaneFrame&) const {
  if (on_remote_toggle(point)) return std::string(draw::remote_toggle_tooltip);
  if (chip_at(point) != nullptr) return std::string(chip_tooltip);
  return std::nullopt;
}

}  // namespace mail::pane
