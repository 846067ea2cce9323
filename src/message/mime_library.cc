#include "message/mime_library.h"

#include <gmime/gmime.h>

#include <mutex>

namespace mail::message {

void ensure_mime_library() {
  static std::once_flag initialised;
  std::call_once(initialised, [] { g_mime_init(); });
}

}  // namespace mail::message
