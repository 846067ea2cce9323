#pragma once

namespace mail::message {

// Readies the MIME library for use; safe to call from any thread, any number of
// times. Everything that parses or builds messages calls it first.
void ensure_mime_library();

}  // namespace mail::message
