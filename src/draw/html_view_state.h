#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "draw/remote_content.h"
#include "message/message_id.h"

namespace mail::draw {

// What the web view must be told, in this order: the rule list, then the load of the URL.
struct HtmlViewCommands {
  std::string rule_list;
  std::string url;
};

// Which message's HTML a reading pane shows, whether that message may load remote images,
// and what was last handed to the web view, so that a draw reloads only when it must.
class HtmlViewState {
 public:
  // Follows the newest message of the shown conversation. A message that was not already
  // shown starts with remote images blocked, even one that was allowed them before.
  // Returns the commands for a reload when the web view holds anything else.
  [[nodiscard]] std::optional<HtmlViewCommands> prepare(message::MessageId newest, std::string_view html_body);

  // Allows or blocks remote images again for the shown message; the next prepare reloads.
  void toggle_remote_images();

  [[nodiscard]] RemoteImages remote_images() const {
    return remote_images_allowed_ ? RemoteImages::Allowed : RemoteImages::Blocked;
  }

 private:
  struct Loaded {
    message::MessageId message;
    RemoteImages images;
    friend bool operator==(const Loaded&, const Loaded&) = default;
  };

  std::optional<message::MessageId> shown_;
  bool remote_images_allowed_ = false;
  std::optional<Loaded> loaded_;
};

}  // namespace mail::draw
