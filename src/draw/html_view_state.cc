#include "draw/html_view_state.h"

#include "draw/html_document.h"

namespace mail::draw {

std::optional<HtmlViewCommands> HtmlViewState::prepare(message::MessageId newest, std::string_view html_body) {
  if (shown_ != newest) {
    shown_ = newest;
    remote_images_allowed_ = false;
  }
  const Loaded wanted{.message = newest, .images = remote_images()};
  if (loaded_ == wanted) return std::nullopt;
  loaded_ = wanted;
  return HtmlViewCommands{.rule_list = std::string(blocking_rules(wanted.images)),
                          .url = html_data_url(html_document(html_body, wanted.images))};
}

void HtmlViewState::toggle_remote_images() {
  if (shown_) remote_images_allowed_ = !remote_images_allowed_;
}

}  // namespace mail::draw
