#include "pane/pane_harness.h"

#include <algorithm>
#include <stdexcept>

namespace mail::pane {

MailFixture::MailFixture(std::size_t accounts) {
  std::vector<state::AccountEntry> entries;
  for (std::size_t i = 0; i < accounts; ++i) {
    const std::string email = "user" + std::to_string(i) + "@example.org";
    entries.push_back(
        {.id = email,
         .config = {.display_name = "User " + std::to_string(i), .email = email, .imap_host = "imap.example.org"}});
  }
  state_ = std::make_shared<state::MailState>(std::move(entries), 0, nullptr, 0);
}

message::MessageId MailFixture::add(std::uint64_t n, const Message& message) {
  message::MessageRecord record;
  record.id = {0, n};
  record.from = {.address = "sender" + std::to_string(n) + "@example.org", .name = "Sender " + std::to_string(n)};
  record.subject = "Subject " + std::to_string(n);
  record.body = "Body of\n  message " + std::to_string(n);
  record.folder = message.folder;
  record.date = message.date;
  record.read = message.read;
  record.starred = message.starred;
  if (!message.message_id.empty()) record.message_id = message.message_id;
  if (!message.thread_ref.empty()) record.thread_ref = message.thread_ref;
  state_->store.insert(std::move(record));
  return {0, n};
}

PaneHarness::PaneHarness(PaneKind kind, std::shared_ptr<state::MailState> state, orvo::ui::Rect rect)
    : state_(state), pane_(kind, std::move(state), theme_) {
  orvo::ui::LayoutTree tree;
  const orvo::ui::NodeId leaf = pane_.build_layout(tree, context());
  const orvo::ui::NodeId root = tree.add_node(
      {.width = orvo::ui::Dimension::points(rect.width()), .height = orvo::ui::Dimension::points(rect.height())},
      {leaf});
  tree.compute(root, {rect.width(), rect.height()});
  pane_.apply_layout(tree, leaf, rect.origin());
}

orvo::ui::FrameContext PaneHarness::context() {
  return {.now = {}, .window = {1280, 800}, .text_scale = 1, .text = text_};
}

orvo::ui::EventOutcome PaneHarness::send(const orvo::ui::Event& event) {
  if (const auto* move = std::get_if<orvo::ui::PointerMove>(&event)) state_->pointer = move->position;
  return pane_.handle_event(event, context());
}

orvo::ui::EventOutcome PaneHarness::press(orvo::ui::Point at, orvo::ui::PointerButton button) {
  return send(orvo::ui::PointerPress{.position = at, .button = button});
}

orvo::ui::EventOutcome PaneHarness::press(PaneHitKind kind, std::size_t nth) {
  return press(region(kind, nth).rect.center());
}

std::vector<PaneHit> PaneHarness::regions() {
  // A wheel event rebuilds the regions and changes nothing else.
  pane_.handle_event(orvo::ui::Wheel{}, context());
  return pane_.hits();
}

PaneHit PaneHarness::region(PaneHitKind kind, std::size_t nth) {
  for (const PaneHit& hit : regions()) {
    if (hit.kind == kind && nth-- == 0) return hit;
  }
  throw std::out_of_range("no such region");
}

std::vector<PaneHitKind> PaneHarness::region_kinds() {
  std::vector<PaneHitKind> kinds;
  std::ranges::transform(regions(), std::back_inserter(kinds), &PaneHit::kind);
  return kinds;
}

draw::RecordingCanvas& PaneHarness::draw() {
  canvas_ = std::make_unique<draw::RecordingCanvas>(text_);
  pane_.draw(*canvas_);
  return *canvas_;
}

std::vector<std::string> PaneHarness::drawn_texts() const {
  std::vector<std::string> texts;
  std::ranges::transform(canvas_->texts, std::back_inserter(texts), &draw::DrawnText::text);
  return texts;
}

}  // namespace mail::pane
