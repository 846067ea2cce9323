#include "message/html_to_text.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <iterator>
#include <memory>
#include <mutex>

#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include "message/ascii.h"

namespace mail::message {
namespace {

// What an element does to the text around it.
enum class Role : std::uint8_t {
  Inline = 0,
  Hidden = 1,
  Line = 2,
  Paragraph = 3,
  ListItem = 4,
  LineBreak = 5,
  Preformatted = 6,
  Cell = 7,
};

struct ElementRole {
  std::string_view name;
  Role role;
};

// Sorted by name, for a binary search per element.
constexpr std::array<ElementRole, 44> element_roles{{
    {"address", Role::Line},     {"article", Role::Line},     {"aside", Role::Line},
    {"blockquote", Role::Paragraph}, {"br", Role::LineBreak},     {"caption", Role::Line},
    {"center", Role::Line},      {"dd", Role::Line},          {"details", Role::Line},
    {"dialog", Role::Line},      {"div", Role::Line},         {"dl", Role::Line},
    {"dt", Role::Line},          {"fieldset", Role::Line},    {"figcaption", Role::Line},
    {"figure", Role::Line},      {"footer", Role::Line},      {"form", Role::Line},
    {"h1", Role::Paragraph},     {"h2", Role::Paragraph},     {"h3", Role::Paragraph},
    {"h4", Role::Paragraph},     {"h5", Role::Paragraph},     {"h6", Role::Paragraph},
    {"head", Role::Hidden},      {"header", Role::Line},      {"hr", Role::Paragraph},
    {"li", Role::ListItem},      {"main", Role::Line},        {"nav", Role::Line},
    {"ol", Role::Paragraph},     {"p", Role::Paragraph},      {"pre", Role::Preformatted},
    {"script", Role::Hidden},    {"section", Role::Line},     {"style", Role::Hidden},
    {"summary", Role::Line},     {"table", Role::Paragraph},  {"td", Role::Cell},
    {"template", Role::Hidden},  {"th", Role::Cell},          {"title", Role::Hidden},
    {"tr", Role::Line},          {"ul", Role::Paragraph},
}};
static_assert(std::ranges::is_sorted(element_roles, {}, &ElementRole::name));

Role role_of(const xmlChar* element) {
  const std::string_view name = reinterpret_cast<const char*>(element);
  const auto found = std::ranges::lower_bound(element_roles, name, {}, &ElementRole::name);
  return (found == element_roles.end() || found->name != name) ? Role::Inline : found->role;
}

// Collects text the way a browser lays it out: runs of white space become one blank
// (none at the start of a line) except inside <pre>, and blocks never stack up more than
// one empty line between them.
class PlainText {
 public:
  void open(Role role) {
    if (role == Role::Hidden) ++hidden_depth_;
    if (hidden_depth_ > 0) return;
    switch (role) {
      case Role::Line: end_line(); break;
      case Role::Paragraph: end_paragraph(); break;
      case Role::ListItem:
        end_line();
        out_ += "\u2022";
        blank_pending_ = true;
        break;
      case Role::LineBreak: line_break(); break;
      case Role::Preformatted:
        end_paragraph();
        ++preformatted_depth_;
        break;
      case Role::Cell: blank_pending_ = true; break;
      case Role::Inline:
      case Role::Hidden: break;
    }
  }

  void close(Role role) {
    if (role == Role::Hidden) --hidden_depth_;
    if (hidden_depth_ > 0) return;
    switch (role) {
      case Role::Line:
      case Role::ListItem: end_line(); break;
      case Role::Paragraph: end_paragraph(); break;
      case Role::Preformatted:
        --preformatted_depth_;
        end_paragraph();
        break;
      case Role::LineBreak:
      case Role::Cell:
      case Role::Inline:
      case Role::Hidden: break;
    }
  }

  void text(std::string_view content) {
    if (hidden_depth_ > 0) return;
    if (preformatted_depth_ > 0) {
      std::ranges::copy_if(content, std::back_inserter(out_), [](char c) { return c != '\r'; });
      return;
    }
    for (char c : content) {
      if (is_ascii_blank(c)) {
        blank_pending_ = true;
        continue;
      }
      if (blank_pending_ && !at_line_start()) out_ += ' ';
      blank_pending_ = false;
      out_ += c;
    }
  }

  std::string finish() && {
    while (!out_.empty() && is_ascii_blank(out_.back())) out_.pop_back();
    return std::move(out_);
  }

 private:
  bool at_line_start() const { return out_.empty() || out_.back() == '\n'; }
  bool after_empty_line() const { return out_.empty() || out_.ends_with("\n\n"); }

  void end_line() {
    blank_pending_ = false;
    if (!at_line_start()) out_ += '\n';
  }

  void end_paragraph() {
    end_line();
    if (!after_empty_line()) out_ += '\n';
  }

  void line_break() {
    blank_pending_ = false;
    if (!after_empty_line()) out_ += '\n';
  }

  std::string out_;
  bool blank_pending_ = false;
  int preformatted_depth_ = 0;
  int hidden_depth_ = 0;
};

// The parser reports elements and text as it meets them, and closes implied and unclosed
// elements itself. No tree is built: a long or deeply nested document costs no more than
// the parser's own element stack.
PlainText& plain_text(void* context) { return *static_cast<PlainText*>(context); }

void on_element_start(void* context, const xmlChar* name, const xmlChar** /*attributes*/) {
  plain_text(context).open(role_of(name));
}

void on_element_end(void* context, const xmlChar* name) { plain_text(context).close(role_of(name)); }

void on_text(void* context, const xmlChar* characters, int length) {
  plain_text(context).text({reinterpret_cast<const char*>(characters), static_cast<std::size_t>(length)});
}

xmlSAXHandler text_handler() {
  xmlSAXHandler handler{};
  handler.startElement = on_element_start;
  handler.endElement = on_element_end;
  handler.characters = on_text;
  handler.ignorableWhitespace = on_text;  // blanks between inline elements still separate words
  handler.cdataBlock = on_text;
  return handler;
}

struct ContextFree {
  void operator()(htmlParserCtxt* context) const { htmlFreeParserCtxt(context); }
};
using ParserContext = std::unique_ptr<htmlParserCtxt, ContextFree>;

// The text is UTF-8 already, whatever a <meta> inside it claims; nothing is fetched; and
// without the "huge" option, text nested past 256 elements, or beyond 10 MB in one run,
// would silently go missing.
constexpr int parse_options = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                              HTML_PARSE_NONET | HTML_PARSE_IGNORE_ENC | static_cast<int>(XML_PARSE_HUGE);

}  // namespace

std::string html_to_text(std::string_view html) {
  static std::once_flag initialised;
  std::call_once(initialised, xmlInitParser);
  const int size = static_cast<int>(std::min<std::size_t>(html.size(), INT_MAX));
  const ParserContext context(htmlCreateMemoryParserCtxt(html.data(), size));
  if (!context) return {};
  PlainText text;
  *context->sax = text_handler();
  context->userData = &text;
  xmlSwitchEncoding(context.get(), XML_CHAR_ENCODING_UTF8);
  htmlCtxtUseOptions(context.get(), parse_options);
  htmlParseDocument(context.get());
  return std::move(text).finish();
}

}  // namespace mail::message
