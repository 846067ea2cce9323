#pragma once

#include <string>
#include <string_view>

// The system clipboard's text. Both are safe without a graphics session: there is no
// clipboard then, so nothing is read and nothing is kept.
namespace orvo::ui::clipboard {

[[nodiscard]] std::string text();
void set_text(std::string_view text);

}  // namespace orvo::ui::clipboard
