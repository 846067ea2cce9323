#pragma once

namespace orvo::ui {

// The platform's graphics runtime for code that draws without the launcher (tests,
// benchmarks). Headless unless a display platform was chosen in the environment.
// At most one exists at a time; the launcher makes its own.
class GuiSession {
 public:
  GuiSession();
  ~GuiSession();
  GuiSession(const GuiSession&) = delete;
  GuiSession& operator=(const GuiSession&) = delete;
};

}  // namespace orvo::ui
