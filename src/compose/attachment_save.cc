#include "compose/attachment_save.h"

#include <filesystem>
#include <span>
#include <system_error>
#include <variant>

#include "compose/attachment_limit.h"
#include "compose/attachment_name.h"
#include "platform/storage/atomic_file.h"

namespace mail::compose {
namespace {

namespace fs = std::filesystem;
namespace portal = orvo::ui::portal;
using message::AttachmentRecord;

constexpr fs::perms new_file_mode = fs::perms(0644);
// A replaced file keeps who may read and write it, but never becomes a program:
// the content is someone else's.
constexpr fs::perms kept_mode_bits = fs::perms(0666);

std::expected<const AttachmentRecord*, std::string> find_attachment(const state::MessageStore& store,
                                                                   const message::MessageId& id, std::size_t index) {
  const message::MessageRecord* record = store.find(id);
  if (record == nullptr || index >= record->attachments.size()) {
    return std::unexpected("attachment is no longer loaded");
  }
  return &record->attachments[index];
}

std::expected<void, std::string> check_savable(const AttachmentRecord& attachment) {
  if (!attachment.downloaded || attachment.size == 0) return std::unexpected("attachment content is not downloaded yet");
  if (attachment.size > max_attachment_size) {
    return std::unexpected(attachment.filename + " is too large to save here; open it in Files instead");
  }
  if (attachment.size != attachment.content.size()) {
    return std::unexpected("attachment metadata no longer matches its downloaded content");
  }
  return {};
}

portal::PickRequest save_picker(const AttachmentRecord& attachment) {
  return {.title = "Save attachment",
          .accept_label = "Save",
          .suggested_name = suggested_save_name(attachment.filename),
          .thread_name = "mail-portal-save-attachment"};
}

// Looks at the destination itself, not at what a link there points to. Returns the
// mode the written file gets.
std::expected<fs::perms, std::string> check_destination(const fs::path& destination) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(destination, error);
  if (status.type() == fs::file_type::not_found) return new_file_mode;
  if (error) return std::unexpected("couldn’t inspect selected destination: " + error.message());
  if (fs::is_symlink(status)) return std::unexpected("refusing to overwrite a symbolic-link destination");
  if (!fs::is_regular_file(status)) return std::unexpected("selected destination is not a regular file");
  return status.permissions() & kept_mode_bits;
}

std::expected<void, std::string> check_folder(const fs::path& destination) {
  const fs::path folder = destination.parent_path();
  if (folder.empty()) return std::unexpected("selected destination has no parent folder");
  std::error_code error;
  const fs::file_status status = fs::symlink_status(folder, error);
  if (error) return std::unexpected("couldn’t inspect selected folder: " + error.message());
  if (!fs::is_directory(status)) return std::unexpected("selected destination is outside a regular folder");
  return {};
}

std::expected<void, std::string> write_attachment(const AttachmentRecord& attachment, const fs::path& destination) {
  if (attachment.content.size() > max_attachment_size) {
    return std::unexpected("attachment exceeds the " + std::to_string(max_attachment_size) + "-byte save limit");
  }
  const auto mode = check_destination(destination);
  if (!mode) return std::unexpected(mode.error());
  if (auto folder = check_folder(destination); !folder) return folder;
  return orvo::atomic_file::write(destination, std::span(attachment.content), *mode);
}

SaveOutcome save_to(const AttachmentRecord& attachment, const fs::path& destination) {
  if (auto written = write_attachment(attachment, destination); !written) {
    return {SaveResult::Failed, "Couldn’t save " + attachment.filename + ": " + written.error()};
  }
  return {SaveResult::Saved, "Saved " + attachment.filename + " to " + destination.string()};
}

}  // namespace

std::expected<SaveStart, std::string> begin_save(const state::MessageStore& store, const message::MessageId& id,
                                                 std::size_t index, bool another_save_running) {
  if (another_save_running) return std::unexpected("another attachment save is already in progress");
  const auto attachment = find_attachment(store, id, index);
  if (!attachment) return std::unexpected(attachment.error());
  if (auto savable = check_savable(**attachment); !savable) return std::unexpected(savable.error());
  return SaveStart{.pending = {.message = id, .index = index, .attachment = **attachment},
                   .picker = portal::save_file(save_picker(**attachment))};
}

SaveOutcome finish_save(const PendingSave& pending, std::optional<portal::SaveAnswer> answer) {
  if (!answer) return {SaveResult::Failed, "Attachment save picker stopped unexpectedly"};
  if (std::holds_alternative<portal::Cancelled>(*answer)) return {SaveResult::Cancelled, "Attachment save cancelled"};
  if (const auto* error = std::get_if<portal::PortalError>(&*answer)) {
    return {SaveResult::Failed, "Attachment save unavailable: " + error->message};
  }
  return save_to(pending.attachment, std::get<fs::path>(*answer));
}

}  // namespace mail::compose
