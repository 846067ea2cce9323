#include "doc/document_layout.h"

#include <string>

namespace mail::doc {

DocumentPath message_path(const message::MessageId& id, std::string_view field) {
  return {"messages", id.to_string(), std::string(field)};
}

DocumentPath flags_path() { return {"flags"}; }

DocumentPath flags_path(const message::MessageId& id) { return {"flags", id.to_string()}; }

DocumentPath flags_path(const message::MessageId& id, std::string_view field) {
  return {"flags", id.to_string(), std::string(field)};
}

DocumentPath folders_path() { return {"folders"}; }

DocumentPath folder_path(std::string_view id) { return {"folders", std::string(id)}; }

DocumentPath draft_path(std::string_view field) { return {"draft", std::string(field)}; }

}  // namespace mail::doc
