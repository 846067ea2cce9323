#pragma once

#include <memory>
#include <string>
#include <vector>

#include "draw/recording_canvas.h"
#include "pane/pane.h"

namespace mail::pane {

// Text whose measures can be counted by hand: a line is twice its size high and
// every byte is 10 wide.
class CountableText : public orvo::ui::TextRenderer {
 protected:
  double measure_line_height(const orvo::ui::TextStyle& style) const override { return 2 * style.size; }
  double measure_width(std::string_view text, const orvo::ui::TextStyle&) const override {
    return 10.0 * static_cast<double>(text.size());
  }
  std::string elide_scaled(std::string_view text, const orvo::ui::TextStyle&, double) const override {
    return std::string(text);
  }
};

// A mail state with `accounts` accounts and messages added by the test.
class MailFixture {
 public:
  explicit MailFixture(std::size_t accounts = 1);

  [[nodiscard]] state::MailState& state() { return *state_; }
  [[nodiscard]] const std::shared_ptr<state::MailState>& shared() const { return state_; }

  struct Message {
    message::FolderKind folder = message::FolderKind::Inbox;
    message::Minutes date = 0;
    std::string message_id;  // empty for none
    std::string thread_ref;  // empty for none
    bool read = false;
    bool starred = false;
  };
  // Adds a message whose id is {0, n}.
  message::MessageId add(std::uint64_t n, const Message& message);
  [[nodiscard]] const message::MessageRecord* find(std::uint64_t n) const { return state_->store.find({0, n}); }

 private:
  std::shared_ptr<state::MailState> state_;
};

// One pane laid out at `rect` and driven as the window drives it, with countable text.
class PaneHarness {
 public:
  PaneHarness(PaneKind kind, std::shared_ptr<state::MailState> state, orvo::ui::Rect rect);

  [[nodiscard]] Pane& pane() { return pane_; }
  [[nodiscard]] orvo::ui::FrameContext context();

  orvo::ui::EventOutcome send(const orvo::ui::Event& event);
  orvo::ui::EventOutcome press(orvo::ui::Point at, orvo::ui::PointerButton button = orvo::ui::PointerButton::Primary);
  // Presses the middle of the `nth` region of `kind`.
  orvo::ui::EventOutcome press(PaneHitKind kind, std::size_t nth = 0);
  // Regions as of now: they follow the state, like before every event.
  [[nodiscard]] std::vector<PaneHit> regions();
  [[nodiscard]] PaneHit region(PaneHitKind kind, std::size_t nth = 0);
  [[nodiscard]] std::vector<PaneHitKind> region_kinds();

  // Draws a frame and keeps what was drawn.
  draw::RecordingCanvas& draw();
  [[nodiscard]] std::vector<std::string> drawn_texts() const;

 private:
  CountableText text_;
  orvo::ui::Theme theme_ = orvo::ui::Theme::dark();
  std::shared_ptr<state::MailState> state_;
  Pane pane_;
  std::unique_ptr<draw::RecordingCanvas> canvas_;
};

}  // namespace mail::pane
