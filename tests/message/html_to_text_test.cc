#include "message/html_to_text.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace mail::message {
namespace {

struct HtmlRow {
  std::string_view name;
  std::string_view html;
  std::string text;
};

class HtmlToText : public ::testing::TestWithParam<HtmlRow> {};

TEST_P(HtmlToText, ReadsLikeTheRenderedPage) { EXPECT_EQ(html_to_text(GetParam().html), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Rows, HtmlToText,
    ::testing::Values(
        HtmlRow{"paragraphs_and_headings", "<h1>Weekly</h1><p>One</p>\n\n\n<p>Two</p>", "Weekly\n\nOne\n\nTwo"},
        HtmlRow{"blocks_break_lines", "<div>a</div><div><div>b</div></div>c", "a\nb\nc"},
        HtmlRow{"list_items_get_bullets",
                "<p>Agenda:</p><ul><li>one</li><li> two <b>bold</b></li></ul><ol><li>three</li></ol>",
                "Agenda:\n\n\u2022 one\n\u2022 two bold\n\n\u2022 three"},
        HtmlRow{"line_breaks", "a<br>b<br><br>c<br><br><br><br>d", "a\nb\n\nc\n\nd"},
        HtmlRow{"white_space_collapses", "  a \n\t b   <span> c </span>d  ", "a b c d"},
        HtmlRow{"preformatted_keeps_it", "<p>code:</p><pre>  x = 1\r\n  y  = 2</pre>after",
                "code:\n\n  x = 1\n  y  = 2\n\nafter"},
        HtmlRow{"entities_decoded", "Fish &amp; chips &lt;3 &eacute;t&eacute; &#x263A; &nbsp;!",
                "Fish & chips <3 été ☺ \u00a0!"},
        HtmlRow{"scripts_styles_and_head_dropped",
                "<html><head><title>T</title><style>p{color:red}</style></head>"
                "<body>Hello<script>alert('x')</script> world</body></html>",
                "Hello world"},
        HtmlRow{"table_cells_and_rows", "<table><tr><td>a</td><td>b</td></tr><tr><th>c</th></tr></table>", "a b\nc"},
        HtmlRow{"unclosed_tags", "<p>one<p>two<li>three", "one\n\ntwo\n\n\u2022 three"},
        HtmlRow{"plain_text", "no markup at all", "no markup at all"},
        HtmlRow{"empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HtmlToTextDepth, WalksNestingDeeperThanAnyStack) {
  std::string html;
  for (int level = 0; level < 200'000; ++level) html += "<div>";
  html += "deep";
  EXPECT_EQ(html_to_text(html), "deep");
}

}  // namespace
}  // namespace mail::message
