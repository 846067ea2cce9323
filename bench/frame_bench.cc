// One frame of the wide window over a large mailbox, and the conversation list of a
// large folder. Figures are medians over many runs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "app/mail_app.h"
#include "platform/ui/frame_driver.h"
#include "platform/ui/gui_session.h"
#include "state/conversation_list.h"

namespace {

using mail::message::FolderKind;
using mail::message::MessageRecord;

constexpr std::size_t message_count = 100'000;

// Threads of one to six messages; most in the Inbox, some elsewhere.
std::vector<MessageRecord> generated_mailbox() {
  std::mt19937 random(42);
  std::vector<MessageRecord> messages;
  std::size_t thread = 0;
  while (messages.size() < message_count) {
    const std::size_t replies = random() % 6;
    const std::string root = "thread-" + std::to_string(thread++) + "@bench.example";
    for (std::size_t i = 0; i <= replies && messages.size() < message_count; ++i) {
      MessageRecord record;
      record.message_id = i == 0 ? root : "reply-" + std::to_string(messages.size()) + "@bench.example";
      if (i > 0) record.thread_ref = "<" + root + ">";
      record.id = *mail::message::MessageId::from_message_id(*record.message_id);
      record.from = {"person" + std::to_string(random() % 500) + "@bench.example", "Person " + std::to_string(random() % 500)};
      record.subject = (i > 0 ? "Re: " : "") + std::string("Topic number ") + std::to_string(thread);
      record.body = "A short body for the snippet line of message " + std::to_string(messages.size());
      record.date = 29'000'000 + static_cast<mail::message::Minutes>(random() % 500'000);
      record.read = random() % 3 != 0;
      record.folder = random() % 10 == 0 ? FolderKind::Archive : FolderKind::Inbox;
      messages.push_back(std::move(record));
    }
  }
  return messages;
}

std::shared_ptr<mail::state::MailState> large_state() {
  auto state = std::make_shared<mail::state::MailState>(
      std::vector<mail::state::AccountEntry>{{.id = "you@bench.example", .config = {.email = "you@bench.example"}}}, 0,
      orvo::ui::ImageStore::create(), 29'500'000);
  for (MessageRecord& record : generated_mailbox()) state->store.insert(std::move(record));
  state->repair_selection();
  return state;
}

double median_ms(std::vector<double> samples) {
  std::ranges::sort(samples);
  return samples[samples.size() / 2];
}

template <class Step>
void time_each(benchmark::State& state, Step step) {
  std::vector<double> samples;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    step();
    samples.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["median_ms"] = median_ms(std::move(samples));
}

void BM_WideFrameLayoutAndDraw(benchmark::State& state) {
  orvo::ui::GuiSession session;
  mail::app::MailApp app(large_state(), mail::app::LocalStateLocation::none(), std::nullopt);
  orvo::ui::FrameDriver driver(app, {1280, 800}, 1);
  driver.sync();
  driver.layout();
  driver.render();  // the list is computed here once, as on the first frame
  time_each(state, [&] {
    driver.layout();
    driver.render();
  });
}
BENCHMARK(BM_WideFrameLayoutAndDraw)->Iterations(200)->Unit(benchmark::kMillisecond);

void BM_ConversationListOfALargeFolder(benchmark::State& state) {
  const auto mailbox = large_state();
  time_each(state, [&] { benchmark::DoNotOptimize(mail::state::conversation_list(mailbox->store, FolderKind::Inbox)); });
}
BENCHMARK(BM_ConversationListOfALargeFolder)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
