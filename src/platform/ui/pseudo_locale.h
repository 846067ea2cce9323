#pragma once

#include "platform/ui/fluent_pattern.h"

namespace orvo::ui {

// The pattern as the pseudo-locale shows it: ASCII letters swapped for accented
// look-alikes and the whole text in brackets, so that a text left untranslated or
// cut short stands out. Placeables are untouched: arguments are data, not texts.
FluentPattern pseudo_localize(const FluentPattern& pattern);

}  // namespace orvo::ui
