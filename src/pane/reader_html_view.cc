#include "pane/reader_html_view.h"

#include "draw/html_banner.h"
#include "draw/safe_text_view.h"

namespace mail::pane {
namespace {

constexpr std::string_view view_test_id = "mail_html_body";
constexpr double view_scale = 1;

bool reaches_web_view(const orvo::ui::Event& event) {
  return std::holds_alternative<orvo::ui::PointerMove>(event) || std::holds_alternative<orvo::ui::Wheel>(event);
}

}  // namespace

ReaderHtmlView::ReaderHtmlView(EngineFactory make_engine) : make_engine_(std::move(make_engine)) {}

void ReaderHtmlView::begin_frame() {
  remote_toggle_.reset();
  showing_ = false;
}

// The view state alone would keep a permission across a visit to a message without
// HTML, which never reaches it; starting afresh blocks remote images again.
void ReaderHtmlView::follow(const message::MessageId& newest) {
  if (followed_ == newest) return;
  followed_ = newest;
  state_ = draw::HtmlViewState();
}

void ReaderHtmlView::draw(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme,
                          const message::MessageRecord& message, const orvo::ui::Rect& region,
                          orvo::ui::Point pointer) {
  ensure_view();
  if (auto commands = state_.prepare(message.id, *message.html_body)) send(*commands);
  needs_reload_ = false;
  if (view_->is_ready()) {
    draw_web_view(canvas, theme, region, pointer);
    return;
  }
  draw::draw_safe_text(canvas, theme, region, message.body);
  draw::draw_html_banner(canvas, theme, region, draw::BannerMode::SafeText, pointer);
}

void ReaderHtmlView::toggle_remote_images() {
  state_.toggle_remote_images();
  needs_reload_ = true;
}

orvo::ui::EventOutcome ReaderHtmlView::forward(const orvo::ui::Event& event, const orvo::ui::FrameContext& context) {
  if (!showing_ || !reaches_web_view(event)) return orvo::ui::EventOutcome::Ignored;
  return view_->handle_event(event, context);
}

void ReaderHtmlView::ensure_view() {
  if (view_) return;
  engine_ = make_engine_();
  view_.emplace(orvo::ui::WebView(engine_).with_test_id(std::string(view_test_id)));
}

// The rules go first so that the page never loads under the previous ones.
void ReaderHtmlView::send(const draw::HtmlViewCommands& commands) {
  engine_->set_content_rules(commands.rule_list);
  engine_->load_url(commands.url);
}

void ReaderHtmlView::draw_web_view(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme,
                                   const orvo::ui::Rect& region, orvo::ui::Point pointer) {
  view_->set_viewport(region, view_scale);
  view_->draw(canvas);
  showing_ = true;
  const auto mode = state_.remote_images() == draw::RemoteImages::Allowed ? draw::BannerMode::RemoteLoaded
                                                                          : draw::BannerMode::RemoteBlocked;
  remote_toggle_ = draw::draw_html_banner(canvas, theme, region, mode, pointer);
}

}  // namespace mail::pane
