#include "actions/id_list.h"

#include <algorithm>
#include <string_view>

#include "actions/character_count.h"
#include "message/ascii.h"

namespace mail::actions {
namespace {

constexpr std::size_t max_ids = 256;
constexpr std::size_t max_id_characters = 128;

}  // namespace

std::vector<std::string> normalize_ids(const std::vector<std::string>& ids) {
  std::vector<std::string> taken;
  for (const std::string& given : ids) {
    if (taken.size() == max_ids) break;
    const std::string_view id = message::trim_blanks(given);
    const std::size_t length = character_count(id);
    if (length == 0 || length > max_id_characters || std::ranges::find(taken, id) != taken.end()) continue;
    taken.emplace_back(id);
  }
  return taken;
}

}  // namespace mail::actions
