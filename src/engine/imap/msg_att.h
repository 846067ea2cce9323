#pragma once

#include <cstdint>

#include "engine/imap/primitives.h"
#include "engine/imap/response.h"

namespace mail::engine::imap {

// msg-att: the parenthesised items of "* n FETCH". UID, FLAGS, INTERNALDATE,
// RFC822.SIZE and BODY[]<origin> are kept; anything else a server sends along
// (MODSEQ, ENVELOPE, BODYSTRUCTURE, other sections ...) is read past.
Parsed<FetchedMessage> parse_msg_att(Reader& reader, std::uint32_t sequence_number);

}  // namespace mail::engine::imap
