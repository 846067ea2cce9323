#pragma once

#include <string>

namespace orvo::search {

// How the desktop's search shows something a program lets it find, and how it opens it.
struct SearchHit {
  std::string address;     // the action address that opens it
  std::string title;
  std::string kind_label;  // what it is, in words: "Mail folder"
  std::string group;       // hits of one group are shown together; empty for none
  std::string subtitle;
  std::string icon;        // a name in the installed icon set
  friend bool operator==(const SearchHit&, const SearchHit&) = default;
};

// One item of a catalogue: its hit, found by the title and by the searchable text, which
// may hold several lines and is never shown.
struct SearchEntry {
  SearchHit hit;
  std::string searchable_text;
};

}  // namespace orvo::search
