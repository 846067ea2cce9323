#pragma once

#include <string>
#include <string_view>

namespace mail::message {

// The readable text of an HTML document, for messages that come without a plain-text
// version: blocks start new lines, paragraphs are set apart by a blank line, list items
// get a bullet, entities are decoded, and scripts, styles and the head are left out.
// The input is UTF-8; the output is UTF-8 too.
std::string html_to_text(std::string_view html);

}  // namespace mail::message
