#include "message/mime_type.h"

#include <algorithm>
#include <array>

#include "message/ascii.h"

namespace mail::message {
namespace {

struct ExtensionType {
  std::string_view extension;
  std::string_view mime_type;
};

// The newer office formats deliberately map to the older types.
constexpr std::array<ExtensionType, 23> known_types{{
    {"pdf", "application/pdf"},
    {"png", "image/png"},
    {"jpg", "image/jpeg"},
    {"jpeg", "image/jpeg"},
    {"gif", "image/gif"},
    {"svg", "image/svg+xml"},
    {"txt", "text/plain"},
    {"log", "text/plain"},
    {"md", "text/markdown"},
    {"csv", "text/csv"},
    {"html", "text/html"},
    {"htm", "text/html"},
    {"ics", "text/calendar"},
    {"zip", "application/zip"},
    {"tar", "application/x-tar"},
    {"gz", "application/gzip"},
    {"doc", "application/msword"},
    {"docx", "application/msword"},
    {"xls", "application/vnd.ms-excel"},
    {"xlsx", "application/vnd.ms-excel"},
    {"ppt", "application/vnd.ms-powerpoint"},
    {"pptx", "application/vnd.ms-powerpoint"},
    {"json", "application/json"},
}};

std::string lowered_extension(std::string_view filename) {
  const std::size_t dot = filename.rfind('.');
  const std::string_view extension = dot == std::string_view::npos ? filename : filename.substr(dot + 1);
  std::string lowered(extension);
  std::ranges::transform(lowered, lowered.begin(), ascii_lower);
  return lowered;
}

}  // namespace

std::string mime_type_for(std::string_view filename) {
  const std::string extension = lowered_extension(filename);
  const auto found = std::ranges::find(known_types, extension, &ExtensionType::extension);
  if (found == known_types.end()) return "application/octet-stream";
  return std::string(found->mime_type);
}

}  // namespace mail::message
