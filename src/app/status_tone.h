#pragma once

#include <string_view>

namespace mail::app {

// The toast tone for a status text: 3 failures, 2 unavailability, 0 work in
// progress, 1 everything else. The first rule that matches wins.
int status_tone(std::string_view status);

}  // namespace mail::app
