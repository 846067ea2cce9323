#include "pane/empty_list.h"

#include "pane/folder_icon.h"
#include "platform/ui/empty_state.h"

namespace mail::pane {
namespace {

// A query of blanks filters nothing, so it does not count as a search.
bool searching(const state::MailState& state) {
  return state.search_query.find_first_not_of(" \t\r\n") != std::string::npos;
}

}  // namespace

EmptyListText empty_list_text(const state::MailState& state) {
  const bool has_mail = state.store.size() > 0;
  if (has_mail && searching(state)) {
    return {orvo::ui::Icon::Search, "No matching messages", "Try another sender, subject, or keyword."};
  }
  if (has_mail) {
    return {folder_icon(state.current_folder), "No messages in this folder",
            "Messages moved here will appear in this list."};
  }
  if (!state.accounts.empty()) {
    return {orvo::ui::Icon::Inbox, "Your inbox is ready", "New messages will appear here after the next sync."};
  }
  return {orvo::ui::Icon::Mail, "Connect your email",
          "Use Add account in the sidebar to start sending and receiving messages."};
}

std::string empty_list_access_label(const state::MailState& state) {
  if (searching(state)) return "No matching messages";
  return "No messages in " + std::string(message::display_name(state.current_folder));
}

void paint_empty_list(orvo::ui::Canvas& canvas, const orvo::ui::Theme& theme, const EmptyListText& text,
                      const orvo::ui::Rect& area) {
  orvo::ui::EmptyState painter(theme, text.icon, text.title, text.body, std::nullopt);
  orvo::ui::LayoutTree tree;
  const orvo::ui::NodeId node = tree.add_leaf({});
  tree.compute(node, {area.width(), area.height()});
  painter.apply_layout(tree, node, area.origin());
  painter.draw(canvas);
}

}  // namespace mail::pane
