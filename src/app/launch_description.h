#pragma once

#include "platform/ui/launch.h"

namespace mail::app {

// Everything the launcher needs to know about the mail program.
orvo::ui::LaunchDescription make_launch_description();

}  // namespace mail::app
