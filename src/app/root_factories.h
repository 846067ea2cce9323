#pragma once

#include <memory>

#include "platform/ui/launch.h"

namespace mail::app {

// A normal start: the user's accounts from the shared store and vault.
std::unique_ptr<orvo::ui::Widget> make_normal_root();

// A start scene: the sample mailbox (none for "firstrun") with a fixed clock and a
// private temporary folder; never touches the user's accounts or files.
std::unique_ptr<orvo::ui::Widget> make_scene_root(const orvo::ui::LaunchContext& context);

}  // namespace mail::app
