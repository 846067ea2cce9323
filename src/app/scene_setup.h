#pragma once

#include <string_view>

#include "app/mail_app.h"

namespace mail::app {

// Puts a freshly built window into the state its start scene shows.
void apply_scene_setup(MailApp& app, std::string_view scene);

}  // namespace mail::app
