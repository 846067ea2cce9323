#include "platform/ui/qt/qt_file_dialog.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMetaObject>

#include <future>
#include <optional>

#include "platform/ui/qt/qt_text_renderer.h"

namespace orvo::ui::qt {
namespace {

using portal::ChosenPath;
using Answer = std::shared_ptr<std::promise<ChosenPath>>;

constexpr const char* no_display = "no file chooser is available without a display";

// Runs on the user-interface thread, where the answer is about to be shown.
std::optional<std::string> why_unavailable() {
  const QString platform = QGuiApplication::platformName();
  if (platform.isEmpty() || platform == "offscreen" || platform == "minimal") return no_display;
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    return "no file chooser is available in this session";
  }
  return std::nullopt;
}

QString name_filter(const portal::FileFilter& filter) {
  QStringList patterns;
  for (const std::string& pattern : filter.patterns) patterns << to_qstring(pattern);
  return to_qstring(filter.name) + " (" + patterns.join(' ') + ")";
}

ChosenPath chosen(int result, const QStringList& files) {
  if (result != QDialog::Accepted || files.isEmpty()) return portal::Cancelled{};
  // File names are bytes on this system; the dialog's text turns back into them.
  const QByteArray name = QFile::encodeName(files.front());
  return std::filesystem::path(std::string(name.constData(), static_cast<std::size_t>(name.size())));
}

// Non-modal, so that the program keeps drawing while the user browses. Our own
// dialog rather than the platform's keeps the look and behaviour the same everywhere.
void show_dialog(portal::PickKind kind, const portal::PickRequest& request, const Answer& answer) {
  if (auto problem = why_unavailable()) {
    answer->set_value(portal::PortalError{*problem});
    return;
  }
  const bool saving = kind == portal::PickKind::SaveFile;
  auto* dialog = new QFileDialog(nullptr, to_qstring(request.title));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog->setLabelText(QFileDialog::Accept, to_qstring(request.accept_label));
  dialog->setNameFilter(name_filter(request.filter));
  if (saving) dialog->selectFile(to_qstring(request.suggested_name));
  QObject::connect(dialog, &QFileDialog::finished, dialog,
                   [dialog, answer](int result) { answer->set_value(chosen(result, dialog->selectedFiles())); });
  dialog->open();
}

class DialogChooser final : public portal::Chooser {
 public:
  ChosenPath choose(portal::PickKind kind, const portal::PickRequest& request) override {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) return portal::PortalError{no_display};
    auto answer = std::make_shared<std::promise<ChosenPath>>();
    std::future<ChosenPath> answered = answer->get_future();
    QMetaObject::invokeMethod(
        application, [kind, request, answer] { show_dialog(kind, request, answer); }, Qt::QueuedConnection);
    try {
      return answered.get();
    } catch (const std::future_error&) {
      // The program is closing: the dialog, or the request to show it, went first.
      return portal::PortalError{"the file chooser closed without answering"};
    }
  }
};

}  // namespace

std::shared_ptr<portal::Chooser> make_dialog_chooser() { return std::make_shared<DialogChooser>(); }

}  // namespace orvo::ui::qt
