#include "actions/resource_ids.h"

namespace mail::actions {

std::string account_resource_id(std::string_view account_id) {
  return std::string(account_prefix) + std::string(account_id);
}

std::string folder_resource_id(std::string_view folder_key) {
  return std::string(folder_prefix) + std::string(folder_key);
}

std::string thread_resource_id(std::string_view folder_key, std::string_view conversation_key) {
  return std::string(thread_prefix) + std::string(folder_key) + ":" + std::string(conversation_key);
}

std::string message_resource_id(const message::MessageId& id) { return std::string(message_prefix) + id.to_string(); }

std::string attachment_resource_id(const message::MessageId& id, std::size_t index) {
  return std::string(attachment_prefix) + id.to_string() + ":" + std::to_string(index);
}

}  // namespace mail::actions
