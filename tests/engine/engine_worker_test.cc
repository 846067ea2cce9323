#include "engine/engine_worker.h"
#include "engine/offline_backend.h"
#include "engine/smtp/message_builder.h"
#include "platform/storage/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <atomic>
#include <thread>

namespace mail::engine {
namespace {

using namespace std::chrono_literals;

// Answers every request with one event naming it, after a pause that would let a
// second request overtake the first if the worker ran them side by side.
class SlowEcho final : public MailBackend {
 public:
  void handle(EngineRequest request, const EventSender& events) override {
    std::this_thread::sleep_for(20ms);
    events.send(event::Connected{id_of(request), std::get<request::Connect>(request).account.email});
  }
};

AccountConfig account(std::string email) { return {.email = std::move(email)}; }

std::vector<EngineEvent> receive(orvo::thread::Receiver<EngineEvent>& events, std::size_t count) {
  std::vector<EngineEvent> received;
  while (received.size() < count) received.push_back(*events.receive());
  return received;
}

TEST(EngineWorker, AnswersRequestsInOrderEachEndingWithFinished) {
  std::atomic<int> wake_ups{0};
  EngineHandle engine = spawn_engine_worker(std::make_unique<SlowEcho>(), [&] { ++wake_ups; });
  const request::Connect first{RequestId::generate(), account("first@example.org")};
  const request::Connect second{RequestId::generate(), account("second@example.org")};
  engine.requests.send(first);
  engine.requests.send(second);

  const auto events = receive(engine.events, 4);
  EXPECT_EQ(std::get<event::Connected>(events[0]).email, "first@example.org");
  EXPECT_EQ(std::get<event::Finished>(events[1]).id, first.id);
  EXPECT_EQ(std::get<event::Connected>(events[2]).email, "second@example.org");
  const auto& finished = std::get<event::Finished>(events[3]);
  EXPECT_EQ(finished.id, second.id);
  EXPECT_EQ(finished.kind, RequestKind::Connect);
  EXPECT_EQ(wake_ups, 4);
}

TEST(EngineWorker, EndsWhenTheApplicationLetsGo) {
  auto [request_sender, request_receiver] = orvo::thread::make_channel<EngineRequest>();
  auto [event_sender, event_receiver] = orvo::thread::make_channel<EngineEvent>();
  SlowEcho backend;
  request_sender.send(request::Connect{RequestId::generate(), account("a@example.org")});
  { auto gone = std::move(request_sender); }
  run_worker(backend, request_receiver, event_sender);  // returns once the queue is empty and closed
  EXPECT_EQ(event_receiver.drain().size(), 2u);
}

TEST(OfflineBackend, FailsEveryRequestSayingWhatWasNotDone) {
  const AccountConfig you = account("you@example.org");
  const message::MessageRecord record;
  const std::pair<EngineRequest, std::pair<std::string, std::string>> cases[] = {
      {request::Connect{RequestId::generate(), you},
       {"offline", "IMAP is unavailable for you@example.org; rebuild with the live mail backend to connect"}},
      {request::Sync{RequestId::generate(), you, message::FolderKind::Starred},
       {"offline", "Cannot refresh Starred for you@example.org while IMAP is offline"}},
      {request::SetFlags{RequestId::generate(), you, record},
       {"offline", "Local change saved; it was not synchronized to IMAP"}},
      {request::Move{RequestId::generate(), you, record, message::FolderKind::Archive},
       {"offline", "Local change saved; it was not synchronized to IMAP"}},
      {request::Purge{RequestId::generate(), you, record},
       {"offline", "Local change saved; it was not synchronized to IMAP"}},
      {request::OAuthSignIn{RequestId::generate(), "you@example.org", "you@example.org", OAuthProvider::Microsoft},
       {"oauth", "OAuth sign-in for you@example.org requires the live build"}},
  };
  OfflineBackend backend(orvo::storage::BlobStore::nowhere());
  auto [sender, receiver] = orvo::thread::make_channel<EngineEvent>();
  for (const auto& [request, expected] : cases) {
    backend.handle(request, sender);
    const auto events = receiver.drain();
    ASSERT_EQ(events.size(), 1u);
    const auto& failed = std::get<event::Failed>(events[0]);
    EXPECT_EQ(failed.id, id_of(request));
    EXPECT_EQ(failed.kind, kind_of(request));
    EXPECT_EQ(failed.operation, expected.first);
    EXPECT_EQ(failed.error, expected.second);
  }
}

TEST(OfflineBackend, SendingBuildsTheMessageAndReportsItsSize) {
  auto folder = *orvo::storage::TempFolder::create("orvo-offline-send-");
  orvo::storage::BlobStore store(folder.path());
  const std::string key = *store.put("%PDF-1.4 notes");
  const message::DraftData draft{.to = "mira@example.org",
                                 .bcc = "hidden@example.org",
                                 .subject = "Notes",
                                 .body = "See the attached notes.",
                                 .html_body = "<p>See the attached notes.</p>",
                                 .attachments = {{"mail-attachment:blake3:" + key, "notes.pdf", "application/pdf", 14}}};
  const AccountConfig you{.display_name = "You", .email = "you@example.org"};
  const auto built = smtp::build_message(smtp::sender_of(you), draft, store);
  ASSERT_TRUE(built.has_value()) << built.error();

  OfflineBackend backend(store);
  auto [sender, receiver] = orvo::thread::make_channel<EngineEvent>();
  backend.handle(request::Send{RequestId::generate(), you, draft}, sender);
  const auto failed = std::get<event::Failed>(*receiver.try_receive());
  EXPECT_EQ(failed.operation, "send");
  EXPECT_EQ(failed.error, "SMTP is offline; validated " + std::to_string(built->size()) +
                              " MIME bytes locally but did not send");

  message::DraftData unavailable = draft;
  unavailable.attachments[0].content_id = "mail-attachment:blake3:" + std::string(64, 'a');
  backend.handle(request::Send{RequestId::generate(), you, unavailable}, sender);
  EXPECT_EQ(std::get<event::Failed>(*receiver.try_receive()).error,
            "attachment notes.pdf is not available on this device yet");
}

}  // namespace
}  // namespace mail::engine
