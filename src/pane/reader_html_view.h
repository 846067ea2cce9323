#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "draw/html_view_state.h"
#include "message/message_record.h"
#include "platform/ui/canvas.h"
#include "platform/ui/theme.h"
#include "platform/ui/web_engine.h"
#include "platform/ui/web_view.h"
#include "platform/ui/widget.h"

namespace mail::pane {

// The reader's HTML region: it keeps the web view in step with the newest message of
// the conversation and falls back to the safe text version while the view is not ready.
class ReaderHtmlView {
 public:
  using EngineFactory = std::function<std::shared_ptr<orvo::ui::WebEngine>()>;

  // The engine is made on first need, for a reader that may never show HTML.
  explicit ReaderHtmlView(EngineFactory make_engine);

  // Forgets what the last frame drew; called at the start of every draw of the pane.
  void begin_frame();
  // Called with the newest message of every conversation drawn, with HTML or without.
  // Moving to another message takes back its permission to load remote images.
  void follow(const message::MessageId& newest);
  // Fills `region` with the HTML body of `message`, which must have one, or with its
  // safe text version while the web view is not ready; then the banner below.
  void draw(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const message::MessageRecord& message,
            const orvo::ui::Rect& region, orvo::ui::Point pointer);

  // The banner's rectangle while it switches remote images, that is over a drawn web view.
  [[nodiscard]] const std::optional<orvo::ui::Rect>& remote_toggle() const { return remote_toggle_; }
  // Allows or blocks remote images again for the shown message; the next draw reloads.
  void toggle_remote_images();
  [[nodiscard]] bool needs_reload() const { return needs_reload_; }

  // Pointer moves and scrolling reach the web view only while it is on screen.
  orvo::ui::EventOutcome forward(const orvo::ui::Event& event, const orvo::ui::FrameContext& context);

 private:
  void ensure_view();
  void send(const draw::HtmlViewCommands& commands);
  void draw_web_view(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const orvo::ui::Rect& region,
                     orvo::ui::Point pointer);

  EngineFactory make_engine_;
  draw::HtmlViewState state_;
  std::shared_ptr<orvo::ui::WebEngine> engine_;
  std::optional<orvo::ui::WebView> view_;
  std::optional<message::MessageId> followed_;
  std::optional<orvo::ui::Rect> remote_toggle_;
  bool showing_ = false;
  bool needs_reload_ = false;
};

}  // namespace mail::pane
