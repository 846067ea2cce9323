#include "platform/ui/web_view.h"

#include <gtest/gtest.h>

#include "platform/ui/recording_canvas.h"
#include "platform/ui/test_engine.h"

namespace orvo::ui {
namespace {

using Kind = WebCommand::Kind;

TEST(WebViewTest, TestEngineRecordsCommandsAndNeverGetsReady) {
  const std::shared_ptr<TestEngine> engine = TestEngine::create();
  WebView view = WebView(engine).with_test_id("mail_html_body");
  engine->set_content_rules(R"([{"trigger":{"url-filter":"^https?://"},"action":{"type":"block"}}])");
  engine->load_url("data:text/html;charset=utf-8;base64,PHA+SGk8L3A+");
  view.set_viewport({10, 20, 410, 320}, 1);

  EXPECT_EQ(engine->commands(),
            (std::vector<WebCommand>{
                {Kind::ContentRules, R"([{"trigger":{"url-filter":"^https?://"},"action":{"type":"block"}}])"},
                {Kind::LoadUrl, "data:text/html;charset=utf-8;base64,PHA+SGk8L3A+"}}));
  EXPECT_FALSE(view.is_ready());
  EXPECT_FALSE(engine->is_ready());

  const std::optional<AccessNode> node = view.accessibility();
  ASSERT_TRUE(node);
  EXPECT_EQ(node->role, AccessRole::Document);
  EXPECT_EQ(node->id, "mail_html_body");
  EXPECT_EQ(node->bounds, (Rect{10, 20, 410, 320}));
}

TEST(WebViewTest, TestEngineKeepsOnlyRecentCommands) {
  const std::shared_ptr<TestEngine> engine = TestEngine::create();
  const std::size_t sent = TestEngine::kept_commands + 6;
  for (std::size_t i = 0; i < sent; ++i) engine->load_url(std::to_string(i));
  ASSERT_EQ(engine->commands().size(), TestEngine::kept_commands);
  EXPECT_EQ(engine->commands().front().text, "6");
  EXPECT_EQ(engine->commands().back().text, std::to_string(sent - 1));
}

// Counts the pointer events that reach it.
class CountingEngine final : public WebEngine {
 public:
  void set_content_rules(std::string) override {}
  void load_url(std::string) override {}
  [[nodiscard]] bool is_ready() const override { return true; }
  void draw(Canvas&, const Rect&, double) override {}
  EventOutcome handle_pointer(const Event&, const Rect&) override {
    ++pointer_events;
    return EventOutcome::Handled;
  }
  int pointer_events = 0;
};

TEST(WebViewTest, PassesOnlyPointerEventsInsideTheViewport) {
  const auto engine = std::make_shared<CountingEngine>();
  WebView view(engine);
  view.set_viewport({100, 100, 200, 200}, 1);
  testing::FixedText text;
  const FrameContext context{.now = Clock::now(), .window = {800, 600}, .text = text};

  EXPECT_EQ(view.handle_event(PointerMove{{150, 150}}, context), EventOutcome::Handled);
  EXPECT_EQ(view.handle_event(Wheel{.position = {199, 100}, .dy = 1}, context), EventOutcome::Handled);
  EXPECT_EQ(view.handle_event(PointerMove{{200, 150}}, context), EventOutcome::Ignored);
  EXPECT_EQ(view.handle_event(KeyPress{.text = "a"}, context), EventOutcome::Ignored);
  EXPECT_EQ(engine->pointer_events, 2);
}

}  // namespace
}  // namespace orvo::ui
