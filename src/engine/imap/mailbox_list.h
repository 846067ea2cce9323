#pragma once

#include "engine/imap/primitives.h"
#include "engine/imap/response.h"

namespace mail::engine::imap {

// mailbox-list: "(" [attributes] ")" SP (DQUOTE QUOTED-CHAR DQUOTE / NIL) SP mailbox,
// the part of "* LIST" after its keyword. The name may come as an atom, a quoted string
// or a literal.
Parsed<ListedMailbox> parse_mailbox_list(Reader& reader);

}  // namespace mail::engine::imap
