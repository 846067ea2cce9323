#include "platform/ui/test_engine.h"

namespace orvo::ui {

std::shared_ptr<TestEngine> TestEngine::create() { return std::make_shared<TestEngine>(); }

void TestEngine::set_content_rules(std::string rules) { record({WebCommand::Kind::ContentRules, std::move(rules)}); }

void TestEngine::load_url(std::string url) { record({WebCommand::Kind::LoadUrl, std::move(url)}); }

void TestEngine::record(WebCommand command) {
  if (commands_.size() == kept_commands) commands_.erase(commands_.begin());
  commands_.push_back(std::move(command));
}

}  // namespace orvo::ui
