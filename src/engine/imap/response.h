#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace mail::engine::imap {

enum class Condition { ok, no, bad, preauth, bye };

// The bracketed code at the start of a status text, e.g. [TRYCREATE] or
// [COPYUID 38505 304 3956]. The name is upper-cased because servers vary its case; the
// arguments stay as sent, since each code gives them a syntax of its own.
struct ResponseCode {
  std::string name;
  std::string arguments;
  friend bool operator==(const ResponseCode&, const ResponseCode&) = default;
};

// A tagged completion (OK, NO or BAD) or an untagged status (OK, NO, BAD, PREAUTH or
// BYE), whose tag is empty.
struct StatusResponse {
  std::string tag;
  Condition condition = Condition::ok;
  std::optional<ResponseCode> code;
  std::string text;
  friend bool operator==(const StatusResponse&, const StatusResponse&) = default;
};

// "+ text": the server waits for the next part of a command, or for a SASL response.
// The text is passed on as sent; during AUTHENTICATE it is Base64.
struct ContinuationRequest {
  std::string text;
  friend bool operator==(const ContinuationRequest&, const ContinuationRequest&) = default;
};

struct Capabilities {
  std::vector<std::string> names;
  friend bool operator==(const Capabilities&, const Capabilities&) = default;
};

// "* FLAGS (...)": the flags the selected mailbox knows.
struct MailboxFlags {
  std::vector<std::string> flags;
  friend bool operator==(const MailboxFlags&, const MailboxFlags&) = default;
};

// "* n EXISTS"
struct MessageCount {
  std::uint32_t count = 0;
  friend bool operator==(const MessageCount&, const MessageCount&) = default;
};

// "* n EXPUNGE"
struct Expunged {
  std::uint32_t sequence_number = 0;
  friend bool operator==(const Expunged&, const Expunged&) = default;
};

// "* n FETCH (...)", with the items the engine reads. Each is absent when the server
// did not send it; other items are read past. System flags are spelt the usual way
// ("\Seen") whatever case the server used, so that they can be compared as text.
struct FetchedMessage {
  std::uint32_t sequence_number = 0;
  std::optional<std::uint32_t> uid;
  std::optional<std::vector<std::string>> flags;
  std::optional<std::int64_t> internal_date;  // seconds since 1970-01-01 UTC
  std::optional<std::uint32_t> rfc822_size;
  std::optional<std::string> body;           // BODY[]; a NIL body counts as absent
  std::optional<std::uint32_t> body_origin;  // the <n> of a partial BODY[]<n>
  friend bool operator==(const FetchedMessage&, const FetchedMessage&) = default;
};

// "* LIST (attributes) delimiter name", the name decoded from modified UTF-7 (kept as
// sent when it is not valid modified UTF-7).
struct ListedMailbox {
  std::vector<std::string> attributes;
  std::optional<char> delimiter;
  std::string name;
  friend bool operator==(const ListedMailbox&, const ListedMailbox&) = default;
};

// "* SEARCH n n ...": UIDs after UID SEARCH, sequence numbers otherwise.
struct SearchResult {
  std::vector<std::uint32_t> numbers;
  friend bool operator==(const SearchResult&, const SearchResult&) = default;
};

// Any other untagged response (RECENT, STATUS, ENABLED ...): servers send some
// unasked, so they are passed on, as sent after "* ", for the session to ignore.
struct OtherUntagged {
  std::string text;
  friend bool operator==(const OtherUntagged&, const OtherUntagged&) = default;
};

using Response = std::variant<StatusResponse, ContinuationRequest, Capabilities, MailboxFlags, MessageCount, Expunged,
                              FetchedMessage, ListedMailbox, SearchResult, OtherUntagged>;

}  // namespace mail::engine::imap
