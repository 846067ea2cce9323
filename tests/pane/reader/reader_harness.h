#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "draw/recording_canvas.h"
#include "pane/reader_pane.h"
#include "platform/ui/frame_driver.h"
#include "platform/ui/gui_session.h"
#include "state/mail_state.h"

namespace mail::pane {

// Message n of the folder with the subject, `minute` minutes after the epoch, from "Sender n".
inline message::MessageRecord mail(std::uint64_t n, std::string subject, message::Minutes minute = 0,
                                   message::FolderKind folder = message::FolderKind::Inbox) {
  message::MessageRecord record;
  record.id = {0, n};
  record.subject = std::move(subject);
  record.date = minute;
  record.folder = folder;
  record.from = {"sender" + std::to_string(n) + "@example.org", "Sender " + std::to_string(n)};
  record.body = "Body of message " + std::to_string(n);
  return record;
}

// One reading pane over its own state, drawn with the platform's real text renderer
// into a canvas that keeps what was drawn. Needs a running `GuiSession`.
class ReaderHarness {
 public:
  explicit ReaderHarness(orvo::ui::Rect rect = {0, 0, 900, 700}, double scale = 1,
                         ReaderHtmlView::EngineFactory make_engine = nullptr)
      : driver_(bare_root_, {rect.x1, rect.y1}, scale),
        theme_(orvo::ui::Theme::dark(scale)),
        rect_(rect),
        scale_(scale),
        reader_(make_engine ? ReaderPane(std::move(make_engine)) : ReaderPane()) {}

  void add(message::MessageRecord record) { state.store.insert(std::move(record)); }
  void select(std::uint64_t n) { state.selected = message::MessageId{0, n}; }

  [[nodiscard]] PaneFrame frame() { return {.state = state, .theme = theme_, .rect = rect_, .scale = scale_}; }
  [[nodiscard]] std::vector<PaneHit> regions() {
    std::vector<PaneHit> hits;
    reader_.add_regions(frame(), hits);
    return hits;
  }
  draw::RecordingCanvas draw() {
    draw::RecordingCanvas canvas(text());
    reader_.draw(canvas, frame(), regions());
    return canvas;
  }
  orvo::ui::EventOutcome dispatch(const orvo::ui::Event& event) {
    return reader_.handle_event(event, frame(), regions(), driver_.context());
  }
  orvo::ui::EventOutcome click(orvo::ui::Point point) { return dispatch(orvo::ui::PointerPress{.position = point}); }
  // The centre of the toolbar button of this kind.
  orvo::ui::Point button(PaneHitKind kind) {
    const std::vector<PaneHit> hits = regions();
    return std::ranges::find(hits, kind, &PaneHit::kind)->rect.center();
  }

  [[nodiscard]] const orvo::ui::TextRenderer& text() { return driver_.context().text; }
  [[nodiscard]] const orvo::ui::Theme& theme() const { return theme_; }
  ReaderPane& reader() { return reader_; }

  state::MailState state{{}, 0, nullptr, 0};

 private:
  orvo::ui::Widget bare_root_;
  orvo::ui::FrameDriver driver_;  // lends its text renderer
  orvo::ui::Theme theme_;
  orvo::ui::Rect rect_;
  double scale_;
  ReaderPane reader_;
};

inline bool drew(const draw::RecordingCanvas& canvas, std::string_view text) {
  return std::ranges::any_of(canvas.texts, [&](const draw::DrawnText& drawn) { return drawn.text == text; });
}

}  // namespace mail::pane
