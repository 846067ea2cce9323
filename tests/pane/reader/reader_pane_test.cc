#include "pane/reader_pane.h"

#include <gtest/gtest.h>

#include "draw/remote_content.h"
#include "pane/message_header.h"
#include "reader_harness.h"

namespace mail::pane {
namespace {

using message::FolderKind;
using message::MessageId;
using orvo::ui::EventOutcome;

class ReaderPaneTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { session_ = new orvo::ui::GuiSession(); }
  static void TearDownTestSuite() { delete session_; }

  static inline orvo::ui::GuiSession* session_ = nullptr;
};

// A web engine that is ready at once and keeps what it is told.
class ReadyEngine final : public orvo::ui::WebEngine {
 public:
  void set_content_rules(std::string rules) override { rules_sent.push_back(std::move(rules)); }
  void load_url(std::string) override { ++loads; }
  [[nodiscard]] bool is_ready() const override { return true; }
  void draw(orvo::ui::Canvas&, const orvo::ui::Rect&, double) override {}
  EventOutcome handle_pointer(const orvo::ui::Event&, const orvo::ui::Rect&) override {
    ++pointer_events;
    return EventOutcome::Handled;
  }

  std::vector<std::string> rules_sent;
  int loads = 0;
  int pointer_events = 0;
};

constexpr std::string_view safe_text_banner = "Safe text version · Rich HTML unavailable";

TEST_F(ReaderPaneTest, ShowsPlansAndItsReplyAsOneConversationOfTheFolder) {
  ReaderHarness reader;
  reader.add(mail(1, "Plans", 10));
  reader.add(mail(3, "Plans", 12, FolderKind::Archive));
  reader.select(1);
  EXPECT_TRUE(drew(reader.draw(), "1 message · Inbox"));

  reader.add(mail(2, "Re: Plans", 20));
  const draw::RecordingCanvas canvas = reader.draw();
  EXPECT_TRUE(drew(canvas, "2 messages · Inbox"));
  EXPECT_TRUE(drew(canvas, "Plans"));
  EXPECT_TRUE(drew(canvas, "Sender 1"));
  EXPECT_TRUE(drew(canvas, "Body of message 1"));  // the older one's snippet
  EXPECT_TRUE(drew(canvas, "Sender 2"));
  EXPECT_FALSE(drew(canvas, "Sender 3"));
}

TEST_F(ReaderPaneTest, HtmlRegionNeedsFortyEightPixelsBelowTheNewestHeader) {
  for (const double room : {48.0, 47.5}) {
    SCOPED_TRACE(room);
    // Without folded messages the header starts at 64 + 30 + 26 + 16.
    const double header_top = 136;
    const double header_end = header_top + message_header_height(ReaderHarness().text(), orvo::ui::Theme::dark());
    const double height = header_end + room + 40;
    ReaderHarness reader({0, 0, 900, height});
    message::MessageRecord html = mail(1, "Newsletter");
    html.html_body = "<p>Hello</p>";
    reader.add(html);
    reader.select(1);

    const draw::RecordingCanvas canvas = reader.draw();
    const draw::DrawnShape safe_text_card{{24, header_end + 8, 876, height - 46}, 6, reader.theme().colors.raised};
    const bool html_region = room >= 48;
    EXPECT_EQ(drew(canvas, safe_text_banner), html_region);
    EXPECT_EQ(std::ranges::count(canvas.cards, safe_text_card), html_region ? 1 : 0);
    const draw::DrawnText text_body{"Body of message 1", {24, header_end + 8}, {13}, reader.theme().colors.text};
    EXPECT_EQ(std::ranges::count(canvas.texts, text_body), html_region ? 0 : 1);
  }
}

TEST_F(ReaderPaneTest, PreviewBadgeSaysWhatPreviewingLeftAlone) {
  struct BadgeCase {
    const char* name;
    bool preview;
    std::uint64_t previewed;
    bool read;
    std::string_view badge;
  };
  const BadgeCase cases[] = {
      {"previewed unread", true, 2, false, "Preview · remains unread"},
      {"previewed read", true, 2, true, "Preview · read state unchanged"},
      {"opened", false, 2, false, ""},
      {"an older message previewed", true, 1, false, ""},
  };
  for (const BadgeCase& test : cases) {
    SCOPED_TRACE(test.name);
    ReaderHarness reader;
    reader.add(mail(1, "Plans", 10));
    message::MessageRecord newest = mail(2, "Re: Plans", 20);
    newest.read = test.read;
    reader.add(newest);
    reader.select(test.previewed);
    reader.state.preview = test.preview;
    reader.state.previewed = {0, test.previewed};

    const draw::RecordingCanvas canvas = reader.draw();
    EXPECT_EQ(drew(canvas, "Preview · remains unread"), test.badge == "Preview · remains unread");
    EXPECT_EQ(drew(canvas, "Preview · read state unchanged"), test.badge == "Preview · read state unchanged");
  }
}

TEST_F(ReaderPaneTest, BulkSelectionShowsOnlyTheNoticeAndPausesTheToolbar) {
  for (const auto& [selected, title] : {std::pair{1, "1 message selected"}, std::pair{2, "2 messages selected"}}) {
    ReaderHarness reader;
    reader.add(mail(1, "Plans"));
    reader.add(mail(2, "Lunch"));
    reader.select(1);
    for (int n = 1; n <= selected; ++n) reader.state.toggle_bulk_selection({0, static_cast<std::uint64_t>(n)});

    const draw::RecordingCanvas canvas = reader.draw();
    EXPECT_TRUE(drew(canvas, title));
    EXPECT_TRUE(drew(canvas, "Choose a batch action in the message list. Individual message actions are paused "
                             "while selecting."));
    EXPECT_FALSE(drew(canvas, "Plans"));
    EXPECT_TRUE(reader.regions().empty());
    EXPECT_EQ(reader.click({40, 28}), EventOutcome::Ignored);
  }
}

TEST_F(ReaderPaneTest, NothingToReadInvitesAChoice) {
  ReaderHarness reader;
  reader.add(mail(1, "Plans"));
  EXPECT_TRUE(drew(reader.draw(), "Select a conversation to read"));
  reader.select(9);  // a selection whose message has gone
  EXPECT_TRUE(drew(reader.draw(), "Select a conversation to read"));
  EXPECT_TRUE(reader.regions().empty());
}

TEST_F(ReaderPaneTest, ToolbarButtonsActOnTheSelectedMessage) {
  ReaderHarness reader;
  reader.add(mail(1, "Plans", 10));
  message::MessageRecord read = mail(2, "Lunch", 5);
  read.read = true;
  reader.add(read);
  reader.select(2);

  EXPECT_EQ(reader.click(reader.button(PaneHitKind::Reply)), EventOutcome::Handled);
  ASSERT_FALSE(reader.state.effects.empty());
  EXPECT_EQ(std::get<state::effect::Reply>(reader.state.effects.back()).id, (MessageId{0, 2}));

  reader.click(reader.button(PaneHitKind::StarSelected));
  EXPECT_TRUE(reader.state.store.find({0, 2})->starred);
  EXPECT_TRUE(drew(reader.draw(), "Starred"));

  reader.click(reader.button(PaneHitKind::MarkUnread));
  EXPECT_FALSE(reader.state.store.find({0, 2})->read);

  reader.click(reader.button(PaneHitKind::Archive));
  EXPECT_EQ(reader.state.store.find({0, 2})->folder, FolderKind::Archive);
  EXPECT_EQ(reader.state.selected, (MessageId{0, 1}));
}

TEST_F(ReaderPaneTest, DeletingFromTrashRemovesTheMessageForGood) {
  ReaderHarness reader;
  reader.add(mail(1, "Plans", 10, FolderKind::Trash));
  reader.state.current_folder = FolderKind::Trash;
  reader.select(1);
  reader.click(reader.button(PaneHitKind::Delete));
  EXPECT_EQ(reader.state.store.find({0, 1}), nullptr);
  EXPECT_FALSE(reader.state.selected.has_value());
}

message::MessageRecord with_attachments(message::MessageRecord record, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    record.attachments.push_back({.filename = name, .mime_type = "application/pdf", .size = 184'320});
  }
  return record;
}

TEST_F(ReaderPaneTest, ClickingAChipSavesThatAttachment) {
  ReaderHarness reader;
  reader.add(with_attachments(mail(1, "Plans"), {"a.pdf", "b.pdf", "c.pdf"}));
  reader.select(1);
  EXPECT_TRUE(drew(reader.draw(), "3 attachments"));

  const std::vector<AttachmentChip>& chips = reader.reader().attachment_chips();
  ASSERT_EQ(chips.size(), 3u);
  const orvo::ui::Point second = chips[1].rect.center();
  EXPECT_EQ(reader.reader().own_tooltip(second, reader.frame()), "Save attachment");
  EXPECT_EQ(reader.click(second), EventOutcome::Handled);
  const auto& save = std::get<state::effect::SaveAttachment>(reader.state.effects.back());
  EXPECT_EQ(save.id, (MessageId{0, 1}));
  EXPECT_EQ(save.index, 1u);
}

TEST_F(ReaderPaneTest, ChipsWrapWhenTheNextWouldCrossTheRightMargin) {
  ReaderHarness reader;
  const message::MessageRecord message = with_attachments(mail(1, "Plans"), {"a.pdf", "b.pdf", "c.pdf"});
  const double chip = layout_attachment_chips(reader.text(), message, {0, 1000, 1000}, 0)[0].rect.width();

  // Two chips and their gap fill the column exactly; the third starts a row 36 lower.
  const ReaderColumn fits{24, 24 + 2 * chip + 8, 1000};
  const std::vector<AttachmentChip> rows = layout_attachment_chips(reader.text(), message, fits, 100);
  EXPECT_EQ(rows[0].rect, (orvo::ui::Rect{24, 100, 24 + chip, 132}));
  EXPECT_EQ(rows[1].rect, (orvo::ui::Rect{32 + chip, 100, 32 + 2 * chip, 132}));
  EXPECT_EQ(rows[2].rect, (orvo::ui::Rect{24, 136, 24 + chip, 168}));

  const ReaderColumn narrower{24, 24 + 2 * chip + 7.5, 1000};
  const std::vector<AttachmentChip> stacked = layout_attachment_chips(reader.text(), message, narrower, 100);
  EXPECT_EQ(stacked[1].rect.origin(), (orvo::ui::Point{24, 136}));
  EXPECT_EQ(stacked[2].rect.origin(), (orvo::ui::Point{24, 172}));
  EXPECT_EQ(stacked[2].index, 2u);
}

TEST_F(ReaderPaneTest, RemoteImagesToggleReloadsTheShownMessage) {
  auto engine = std::make_shared<ReadyEngine>();
  ReaderHarness reader({0, 0, 900, 700}, 1, [engine] { return engine; });
  message::MessageRecord html = mail(1, "Newsletter");
  html.html_body = "<img src=\"https://example.org/pixel.png\">";
  reader.add(html);
  reader.select(1);

  EXPECT_TRUE(drew(reader.draw(), "Remote content blocked · Load images"));
  EXPECT_EQ(engine->rules_sent, std::vector{std::string(draw::blocking_rules(draw::RemoteImages::Blocked))});
  ASSERT_TRUE(reader.reader().remote_toggle().has_value());
  const orvo::ui::Point toggle = reader.reader().remote_toggle()->center();
  EXPECT_EQ(reader.reader().own_tooltip(toggle, reader.frame()), "Load or block remote images");

  EXPECT_EQ(reader.click(toggle), EventOutcome::Handled);
  EXPECT_TRUE(reader.reader().needs_redraw());
  EXPECT_TRUE(reader.state.changed);
  EXPECT_TRUE(drew(reader.draw(), "Remote images loaded"));
  EXPECT_FALSE(reader.reader().needs_redraw());
  EXPECT_EQ(engine->rules_sent.back(), draw::blocking_rules(draw::RemoteImages::Allowed));
  EXPECT_EQ(engine->loads, 2);

  reader.draw();
  EXPECT_EQ(engine->loads, 2);
  EXPECT_EQ(reader.dispatch(orvo::ui::PointerMove{{300, 400}}), EventOutcome::Handled);
  EXPECT_EQ(engine->pointer_events, 1);
}

TEST_F(ReaderPaneTest, VisitingAMessageWithoutHtmlBlocksRemoteImagesAgain) {
  auto engine = std::make_shared<ReadyEngine>();
  ReaderHarness reader({0, 0, 900, 700}, 1, [engine] { return engine; });
  message::MessageRecord html = mail(1, "Newsletter");
  html.html_body = "<p>Hello</p>";
  reader.add(html);
  reader.add(mail(2, "Plain"));
  reader.select(1);
  reader.draw();
  reader.click(reader.reader().remote_toggle()->center());
  EXPECT_TRUE(drew(reader.draw(), "Remote images loaded"));

  reader.select(2);
  reader.draw();
  EXPECT_EQ(engine->loads, 2);  // a message without HTML sends nothing
  reader.select(1);
  EXPECT_TRUE(drew(reader.draw(), "Remote content blocked · Load images"));
  EXPECT_EQ(engine->rules_sent.back(), draw::blocking_rules(draw::RemoteImages::Blocked));
}

TEST_F(ReaderPaneTest, TheBuiltInEngineLeavesTheSafeTextVersionWithoutAToggle) {
  ReaderHarness reader;
  message::MessageRecord html = mail(1, "Newsletter");
  html.html_body = "<p>Hello</p>";
  reader.add(html);
  reader.select(1);
  EXPECT_TRUE(drew(reader.draw(), safe_text_banner));
  EXPECT_FALSE(reader.reader().remote_toggle().has_value());
  EXPECT_EQ(reader.dispatch(orvo::ui::PointerMove{{300, 400}}), EventOutcome::Ignored);
}

TEST_F(ReaderPaneTest, LargeTextShowsEveryMessageInFullWithoutChipsOrHtml) {
  ReaderHarness reader({0, 0, 900, 900}, 1.5);
  reader.add(mail(1, "Plans", 10));
  message::MessageRecord newest = with_attachments(mail(2, "Re: Plans", 20), {"a.pdf"});
  newest.html_body = "<p>Hello</p>";
  reader.add(newest);
  reader.select(2);

  const draw::RecordingCanvas canvas = reader.draw();
  EXPECT_TRUE(drew(canvas, "Body of message 1"));
  EXPECT_TRUE(drew(canvas, "Body of message 2"));
  EXPECT_FALSE(drew(canvas, safe_text_banner));
  EXPECT_FALSE(drew(canvas, "1 attachment"));
  EXPECT_TRUE(reader.reader().attachment_chips().empty());
  const auto subject = std::ranges::find(canvas.texts, std::string("Plans"), &draw::DrawnText::text);
  ASSERT_NE(subject, canvas.texts.end());
  EXPECT_EQ(subject->origin, (orvo::ui::Point{24, 124}));
}

}  // namespace
}  // namespace mail::pane
