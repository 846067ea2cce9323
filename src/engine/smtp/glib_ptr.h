#pragma once

#include <glib-object.h>

#include <memory>

namespace mail::engine::smtp {

// Owning pointers for what GLib and GMime hand out, so that the code behind the GMime
// seam releases everything it holds on every path. For that code only: nothing
// outside src/engine/smtp/ and its tests includes this header.
template <auto release>
struct Releaser {
  void operator()(auto* object) const { release(object); }
};

template <typename T>
using GObjectPtr = std::unique_ptr<T, Releaser<g_object_unref>>;

using GCharPtr = std::unique_ptr<char, Releaser<g_free>>;

}  // namespace mail::engine::smtp
