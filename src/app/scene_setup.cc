#include "app/scene_setup.h"

namespace mail::app {

void apply_scene_setup(MailApp& app, std::string_view scene) {
  state::MailState& state = app.state();
  if (scene == "narrow_detail") {
    app.shell().set_detail_shown(true);
    app.request_snap();
  } else if (scene == "narrow_drawer") {
    if (app.shell().has_sidebar()) app.shell().set_sidebar_state(orvo::ui::NavShell::SidebarState::Open);
    app.request_snap();
  } else if (scene == "empty") {
    state.store.clear();
    state.selected.reset();
  } else if (scene == "offline") {
    state.set_status("You\u2019re offline \u00b7 Showing downloaded mail");
  }
}

}  // namespace mail::app
