#include "engine/live/imap_session.h"

#include <utility>

#include "engine/connection_wording.h"
#include "engine/imap/xoauth2.h"

namespace mail::engine::live {
namespace {

std::expected<std::string, std::string> refuse_continuation(const imap::ContinuationRequest&) {
  return std::unexpected("the server asked for more of a command already sent in full");
}

// The command as the observer sees it: "A7 UID SEARCH ALL\r\n" becomes "UID SEARCH ALL".
std::string without_tag(const imap::Command& command) {
  std::string text;
  for (const std::string& part : command.parts) text += part;
  text.erase(0, command.tag.size() + 1);
  if (text.ends_with("\r\n")) text.resize(text.size() - 2);
  return text;
}

}  // namespace

std::string server_text(const imap::StatusResponse& status) {
  if (!status.code) return status.text;
  std::string text = "[" + status.code->name;
  if (!status.code->arguments.empty()) text += " " + status.code->arguments;
  text += "]";
  if (!status.text.empty()) text += " " + status.text;
  return text;
}

ImapSession::ImapSession(orvo::net::Connection connection, CommandObserver observer)
    : connection_(std::move(connection)), observer_(std::move(observer)) {}

std::expected<Completion, std::string> ImapSession::send(const std::expected<imap::Command, std::string>& command) {
  if (command && observer_) observer_(without_tag(*command));
  return exchange(command, refuse_continuation);
}

std::expected<std::vector<imap::Response>, std::string> ImapSession::run(
    const std::expected<imap::Command, std::string>& command) {
  auto completion = send(command);
  if (!completion) return std::unexpected(completion.error());
  if (completion->status.condition != imap::Condition::ok) return std::unexpected(server_text(completion->status));
  return std::move(completion->untagged);
}

std::expected<bool, std::string> ImapSession::read_greeting() {
  const auto greeting = next_response();
  if (!greeting) return std::unexpected(greeting.error());
  const auto* status = std::get_if<imap::StatusResponse>(&*greeting);
  if (status == nullptr || !status->tag.empty()) {
    return std::unexpected(connection_problem_wording("the server did not greet"));
  }
  if (status->condition == imap::Condition::preauth) return true;
  if (status->condition == imap::Condition::ok) return false;
  return std::unexpected(connection_problem_wording(server_text(*status)));
}

std::expected<void, std::string> ImapSession::log_in(const Credentials& credentials) {
  const auto* password = std::get_if<PasswordCredential>(&credentials.credential);
  const auto completion = password != nullptr
                              ? exchange(writer_.login(credentials.login_name, password->password), refuse_continuation)
                              : authenticate_xoauth2(credentials.login_name,
                                                     std::get<OAuthCredential>(credentials.credential).access_token);
  if (!completion) return std::unexpected(completion.error());
  if (completion->status.condition != imap::Condition::ok) {
    return std::unexpected(connection_problem_wording(server_text(completion->status)));
  }
  return {};
}

std::expected<Completion, std::string> ImapSession::authenticate_xoauth2(std::string_view user,
                                                                         std::string_view access_token) {
  const auto token_response = imap::xoauth2_response(user, access_token);
  if (!token_response) return std::unexpected(token_response.error());
  int requests = 0;
  // The first request asks for the token. A refused token brings a second, carrying
  // the server's reasons, which must be acknowledged before the refusal itself comes.
  return exchange(writer_.authenticate_xoauth2(),
                  [&](const imap::ContinuationRequest&) -> std::expected<std::string, std::string> {
                    switch (++requests) {
                      case 1:
                        return *token_response;
                      case 2:
                        return std::string(imap::xoauth2_error_acknowledgement);
                      default:
                        return std::unexpected("the server kept asking for more during sign-in");
                    }
                  });
}

std::expected<Completion, std::string> ImapSession::exchange(
    const std::expected<imap::Command, std::string>& written_command, const Continue& answer) {
  if (!written_command) return std::unexpected(written_command.error());
  const imap::Command& command = *written_command;
  if (auto written = write(command.parts.front()); !written) return std::unexpected(written.error());
  std::size_t next_part = 1;
  Completion completion;
  while (true) {
    auto response = next_response();
    if (!response) return std::unexpected(response.error());
    if (auto* status = std::get_if<imap::StatusResponse>(&*response); status != nullptr && status->tag == command.tag) {
      completion.status = std::move(*status);
      return completion;
    }
    if (const auto* request = std::get_if<imap::ContinuationRequest>(&*response)) {
      // Before the command is complete, a request is the go-ahead for its next literal.
      const auto more = next_part < command.parts.size() ? command.parts[next_part++] : answer(*request);
      if (!more) return std::unexpected(more.error());
      if (auto written = write(*more); !written) return std::unexpected(written.error());
      continue;
    }
    completion.untagged.push_back(std::move(*response));
  }
}

std::expected<imap::Response, std::string> ImapSession::next_response() {
  while (true) {
    auto response = parser_.next();
    if (!response) return std::unexpected("the server's answer cannot be read: " + response.error());
    if (*response) return std::move(**response);
    auto bytes = connection_.read_some();
    if (!bytes) return std::unexpected(connection_problem_wording(bytes.error()));
    parser_.feed(*bytes);
  }
}

std::expected<void, std::string> ImapSession::write(std::string_view bytes) {
  auto written = connection_.write_all(bytes);
  if (!written) return std::unexpected(connection_problem_wording(written.error()));
  return {};
}

}  // namespace mail::engine::live
