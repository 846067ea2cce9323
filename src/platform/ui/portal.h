#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/storage/file_handle.h"
#include "platform/thread/one_result_slot.h"

namespace orvo::ui::portal {

struct FileFilter {
  std::string name;
  std::vector<std::string> patterns;

  static FileFilter all_files() { return {.name = "All files", .patterns = {"*"}}; }
};

struct PickRequest {
  std::string title;
  std::string accept_label;
  std::string suggested_name;  // save pickers only: the name the chooser proposes
  FileFilter filter = FileFilter::all_files();
  // The picker's worker thread, as system tools show it (cut to the 15 bytes the
  // system keeps).
  std::string thread_name;
};

struct Cancelled {};
struct PortalError {
  std::string message;
};

enum class PickKind : unsigned char { OpenFile = 0, SaveFile = 1 };
using ChosenPath = std::variant<std::filesystem::path, Cancelled, PortalError>;

// Whoever asks the user. It runs on the picker's thread and may take as long as the
// user does.
class Chooser {
 public:
  virtual ~Chooser() = default;
  virtual ChosenPath choose(PickKind kind, const PickRequest& request) = 0;
};

// Replaces the desktop's chooser for the pickers opened from now on, for tests and
// scripted headless runs; none restores the desktop's.
void set_chooser(std::shared_ptr<Chooser> chooser);

// A file the user picked, already open: the reader gets the very file that was
// chosen, as a document portal would hand it over.
class OpenedFile {
 public:
  OpenedFile(storage::FileHandle file, std::string name) : file_(std::move(file)), name_(std::move(name)) {}

  // The file's name as the picker reported it: a last path component, untrusted.
  [[nodiscard]] const std::string& name() const { return name_; }
  storage::FileHandle into_file() && { return std::move(file_); }

 private:
  storage::FileHandle file_;
  std::string name_;
};

using OpenAnswer = std::variant<OpenedFile, Cancelled, PortalError>;
using SaveAnswer = ChosenPath;

// Each picker runs on its own thread named in the request and answers once through
// the slot; the user-interface thread is woken when it does. A picker that ends
// without answering leaves the slot abandoned.
thread::OneResultSlot<OpenAnswer> open_file(PickRequest request);
thread::OneResultSlot<SaveAnswer> save_file(PickRequest request);

}  // namespace orvo::ui::portal
