#include "platform/thread/channel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace orvo::thread {
namespace {

TEST(Channel, DeliversInOrderAndClosesWhenEverySenderIsGone) {
  auto [sender, receiver] = make_channel<int>();
  std::thread producer([sender = std::move(sender)] {
    for (int i = 0; i < 1000; ++i) sender.send(i);
  });
  for (int expected = 0; expected < 1000; ++expected) ASSERT_EQ(receiver.receive(), expected);
  producer.join();
  EXPECT_FALSE(receiver.receive().has_value());  // would block forever if the channel stayed open
  EXPECT_TRUE(receiver.senders_gone());
}

TEST(Channel, CopiesOfTheSenderKeepItOpen) {
  auto [sender, receiver] = make_channel<int>();
  {
    Sender<int> copy = sender;
    copy.send(1);
  }
  EXPECT_FALSE(receiver.senders_gone());
  EXPECT_EQ(receiver.drain(), std::vector<int>{1});
  EXPECT_FALSE(receiver.try_receive().has_value());
}

TEST(Channel, SendingToAGoneReceiverFailsAndNotifiesNobody) {
  std::atomic<int> notified{0};
  auto channel = make_channel<std::string>([&] { ++notified; });
  Sender<std::string> sender = std::move(channel.first);
  EXPECT_TRUE(sender.send("one"));
  EXPECT_EQ(notified, 1);
  { auto gone = std::move(channel.second); }
  EXPECT_FALSE(sender.send("two"));
  EXPECT_EQ(notified, 1);
}

}  // namespace
}  // namespace orvo::thread
