#include "pane/row_text.h"

#include "message/subject.h"
#include "pane/reader_conversation.h"

namespace mail::pane {
namespace {

// A row never shows more than a line's width; the rest of a long body need not be read.
constexpr std::size_t preview_limit = 512;

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool continues_character(char c) { return (static_cast<unsigned char>(c) & 0xc0) == 0x80; }

}  // namespace

std::string one_line(std::string_view text, std::size_t limit) {
  std::string line;
  bool pending_blank = false;
  for (const char c : text) {
    if (line.size() >= limit && !continues_character(c)) break;
    if (is_blank(c)) {
      pending_blank = !line.empty();
      continue;
    }
    if (pending_blank) line += ' ';
    pending_blank = false;
    line += c;
  }
  return line;
}

std::string sender_text(const message::Contact& sender) {
  return sender.name && !sender.name->empty() ? *sender.name : sender.address;
}

std::string subject_text(const message::MessageRecord& message) {
  return one_line(message::base_subject(message.subject), preview_limit);
}

std::string snippet_text(const message::MessageRecord& message) { return one_line(message.body, preview_limit); }

}  // namespace mail::pane
