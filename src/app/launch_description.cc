#include "app/launch_description.h"

#include "actions/mail_action_handler.h"
#include "app/root_factories.h"
#include "app/scenes.h"

namespace mail::app {

orvo::ui::LaunchDescription make_launch_description() {
  return orvo::ui::LaunchDescription{
      .app_id = "so.orvo.mail",
      .scenes = scene_names(),
      .make_root = make_normal_root,
      .make_scene_root = make_scene_root,
      .setup =
          [](orvo::ui::App& app) {
            app.set_window_title("Mail");
            (void)actions::register_mail_actions(app.action_registry_mut());
          },
      .window_size = [](const orvo::ui::LaunchContext& context) { return window_size_for(context.scene); },
      .may_close = [] { return true; },
      .flags = {.resizable = true, .always_on_top = false, .quit_on_last_window_closed = true, .high_dpi = true},
  };
}

}  // namespace mail::app
