#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/web_engine.h"

namespace orvo::ui {

struct WebCommand {
  enum class Kind : std::uint8_t { ContentRules = 0, LoadUrl = 1 };
  Kind kind = Kind::LoadUrl;
  std::string text;
  friend bool operator==(const WebCommand&, const WebCommand&) = default;
};

// The built-in engine: it renders nothing and never reports ready, so a view over it
// always shows its fallback; it keeps the commands it receives so that what the
// program sends can be checked.
class TestEngine final : public WebEngine {
 public:
  // Loads carry whole documents, and the program may run on this engine for a long
  // session: only the most recent commands are kept.
  static constexpr std::size_t kept_commands = 64;

  static std::shared_ptr<TestEngine> create();

  // Oldest first.
  [[nodiscard]] const std::vector<WebCommand>& commands() const { return commands_; }

  void set_content_rules(std::string rules) override;
  void load_url(std::string url) override;
  [[nodiscard]] bool is_ready() const override { return false; }
  void draw(Canvas&, const Rect&, double) override {}
  EventOutcome handle_pointer(const Event&, const Rect&) override { return EventOutcome::Ignored; }

 private:
  void record(WebCommand command);

  std::vector<WebCommand> commands_;
};

}  // namespace orvo::ui
