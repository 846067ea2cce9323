#include "doc/draft_json.h"

#include <cstdint>
#include <optional>

namespace mail::doc {
namespace {

using Json = nlohmann::ordered_json;
using message::DraftAttachment;
using message::DraftData;

Json text_or_null(const std::optional<std::string>& text) { return text ? Json(*text) : Json(nullptr); }

Json attachment_to_json(const DraftAttachment& attachment) {
  return Json{{"content_id", attachment.content_id},
              {"filename", attachment.filename},
              {"mime", attachment.mime},
              {"size", attachment.size}};
}

enum class Keys : std::uint8_t { MayBeMissing = 0, Required = 1 };

// Reads an object's keys into fields one after the other, keeping the first problem.
class FieldReader {
 public:
  FieldReader(const Json& object, Keys keys) : object_(object), keys_(keys) {}

  void text(std::string_view key, std::string& field) {
    if (const Json* value = find(key)) take(key, *value, value->is_string(), "a string", field);
  }

  void optional_text(std::string_view key, std::optional<std::string>& field) {
    const Json* value = find(key);
    if (value == nullptr || value->is_null()) return;
    take(key, *value, value->is_string(), "a string or null", field.emplace());
  }

  void size(std::string_view key, std::uint64_t& field) {
    if (const Json* value = find(key)) take(key, *value, value->is_number_unsigned(), "a whole number", field);
  }

  [[nodiscard]] const std::optional<std::string>& problem() const { return problem_; }

 private:
  const Json* find(std::string_view key) {
    const auto found = object_.find(key);
    if (found != object_.end()) return &*found;
    if (keys_ == Keys::Required) fail("\"" + std::string(key) + "\" is missing");
    return nullptr;
  }

  template <class T>
  void take(std::string_view key, const Json& value, bool fits, std::string_view kind, T& field) {
    if (fits) {
      field = value.get<T>();
    } else {
      fail("\"" + std::string(key) + "\" must be " + std::string(kind));
    }
  }

  void fail(std::string problem) {
    if (!problem_) problem_ = std::move(problem);
  }

  const Json& object_;
  Keys keys_;
  std::optional<std::string> problem_;
};

std::expected<DraftAttachment, std::string> attachment_from_json(const Json& json) {
  if (!json.is_object()) return std::unexpected("an attachment must be an object");
  DraftAttachment attachment;
  FieldReader read(json, Keys::Required);
  read.text("content_id", attachment.content_id);
  read.text("filename", attachment.filename);
  read.text("mime", attachment.mime);
  read.size("size", attachment.size);
  if (read.problem()) return std::unexpected(*read.problem());
  return attachment;
}

}  // namespace

Json draft_to_json(const DraftData& draft) {
  return Json{{"to", draft.to},
              {"cc", draft.cc},
              {"bcc", draft.bcc},
              {"subject", draft.subject},
              {"body", draft.body},
              {"html_body", text_or_null(draft.html_body)},
              {"calendar_ics", text_or_null(draft.calendar_ics)},
              {"attachments", attachments_to_json(draft.attachments)}};
}

Json attachments_to_json(const std::vector<DraftAttachment>& attachments) {
  Json json = Json::array();
  for (const DraftAttachment& attachment : attachments) json.push_back(attachment_to_json(attachment));
  return json;
}

std::expected<DraftData, std::string> draft_from_json(const Json& json) {
  if (!json.is_object()) return std::unexpected("a draft must be an object");
  DraftData draft;
  FieldReader read(json, Keys::MayBeMissing);
  read.text("to", draft.to);
  read.text("cc", draft.cc);
  read.text("bcc", draft.bcc);
  read.text("subject", draft.subject);
  read.text("body", draft.body);
  read.optional_text("html_body", draft.html_body);
  read.optional_text("calendar_ics", draft.calendar_ics);
  if (read.problem()) return std::unexpected(*read.problem());
  const auto attachments = json.find("attachments");
  if (attachments == json.end()) return draft;
  auto list = attachments_from_json(*attachments);
  if (!list) return std::unexpected(list.error());
  draft.attachments = std::move(*list);
  return draft;
}

std::expected<std::vector<DraftAttachment>, std::string> attachments_from_json(const Json& json) {
  if (!json.is_array()) return std::unexpected("\"attachments\" must be an array");
  std::vector<DraftAttachment> attachments;
  for (const Json& item : json) {
    auto attachment = attachment_from_json(item);
    if (!attachment) return std::unexpected(attachment.error());
    attachments.push_back(std::move(*attachment));
  }
  return attachments;
}

}  // namespace mail::doc
