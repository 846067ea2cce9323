#pragma once

#include <string>

#include "platform/actions/action_registry.h"

namespace orvo::ui {

// The running application as the setup callback sees it.
class App {
 public:
  void set_window_title(std::string title) { window_title_ = std::move(title); }
  [[nodiscard]] const std::string& window_title() const { return window_title_; }

  actions::ActionRegistry& action_registry_mut() { return registry_; }
  [[nodiscard]] const actions::ActionRegistry& action_registry() const { return registry_; }

 private:
  std::string window_title_;
  actions::ActionRegistry registry_;
};

}  // namespace orvo::ui
