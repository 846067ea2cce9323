#include "platform/ui/gui_session.h"

#include <QGuiApplication>

#include <cstdlib>

namespace orvo::ui {
namespace {

int session_argc = 1;
char session_name[] = "orvo-mail";
char* session_argv[] = {session_name, nullptr};
QGuiApplication* session_application = nullptr;

}  // namespace

GuiSession::GuiSession() {
  if (QGuiApplication::instance() != nullptr) return;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  session_application = new QGuiApplication(session_argc, session_argv);
}

GuiSession::~GuiSession() {
  delete session_application;
  session_application = nullptr;
}

}  // namespace orvo::ui
