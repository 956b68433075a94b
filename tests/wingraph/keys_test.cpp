// The key queue and what each key puts into it.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "wingraph/driver.h"

namespace {

using namespace wingraph;

std::vector<int> Drain(KeyQueue& queue) {
  std::vector<int> codes;
  int code = 0;
  while (queue.TryPop(code)) codes.push_back(code);
  return codes;
}

struct KeyCase {
  Key key;
  bool ctrl;
  std::vector<int> codes;
};

class KeyCodes : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyCodes, QueueTheirCodes) {
  KeyQueue queue;
  QueueKeyDown(queue, GetParam().key, GetParam().ctrl);
  EXPECT_EQ(Drain(queue), GetParam().codes);
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, KeyCodes,
    ::testing::Values(KeyCase{Key::kEscape, false, {27}}, KeyCase{Key::kEnter, false, {13}},
                      KeyCase{Key::kBackspace, false, {8}}, KeyCase{Key::kTab, false, {9}},
                      KeyCase{Key::kUp, false, {0, 72}}, KeyCase{Key::kLeft, false, {0, 75}},
                      KeyCase{Key::kRight, false, {0, 77}}, KeyCase{Key::kDown, false, {0, 80}},
                      KeyCase{Key::kLeft, true, {0, 115}}, KeyCase{Key::kRight, true, {0, 116}},
                      KeyCase{Key::kUp, true, {0, 72}}, KeyCase{Key::kHome, false, {0, 71}},
                      KeyCase{Key::kEnd, false, {0, 79}}, KeyCase{Key::kPageUp, false, {0, 73}},
                      KeyCase{Key::kPageDown, false, {0, 81}},
                      KeyCase{Key::kInsert, false, {0, 82}}, KeyCase{Key::kDelete, false, {0, 83}},
                      KeyCase{Key::kF1, false, {0, 59}}, KeyCase{Key::kF5, false, {0, 63}},
                      KeyCase{Key::kF10, false, {0, 68}}, KeyCase{Key::kOther, false, {}}));

TEST(KeyQueue, TypedTextArrivesAsCodePage437Bytes) {
  KeyQueue queue;
  QueueTypedText(queue, "aZ 1+");
  QueueTypedText(queue, "\xC3\xA0\xC3\xA2\xC3\xAE\xC2\xB0");  // à â î °
  QueueTypedText(queue, "\xC4\x83\xE2\x82\xAC");              // ă and € have no byte: dropped
  QueueTypedText(queue, "\t\x7F\xFF");                        // control and broken bytes too
  EXPECT_EQ(Drain(queue), (std::vector<int>{'a', 'Z', ' ', '1', '+', 0x85, 0x83, 0x8C, 0xF8}));
}

TEST(KeyQueue, CloseBoxQueuesZeroAnd107) {
  KeyQueue queue;
  QueueCloseBox(queue);
  EXPECT_EQ(Drain(queue), (std::vector<int>{0, 107}));
}

TEST(KeyQueue, HoldsThirtyTwoCodesAndDropsTheRest) {
  KeyQueue queue;
  for (int i = 1; i <= 40; ++i) EXPECT_EQ(queue.Push(i), i <= kKeyQueueCapacity);
  std::vector<int> expected;
  for (int i = 1; i <= kKeyQueueCapacity; ++i) expected.push_back(i);
  EXPECT_EQ(Drain(queue), expected);
  EXPECT_TRUE(queue.Empty());
  // The ring wraps around cleanly after being drained.
  for (int i = 0; i < 5; ++i) queue.Push(100 + i);
  EXPECT_EQ(queue.Pop(), 100);
  EXPECT_EQ(Drain(queue), (std::vector<int>{101, 102, 103, 104}));
}

TEST(KeyQueue, SpecialKeyIsQueuedWholeOrNotAtAll) {
  KeyQueue queue;
  for (int i = 0; i < kKeyQueueCapacity - 1; ++i) queue.Push('x');
  QueueKeyDown(queue, Key::kLeft, false);  // one place left: neither code goes in
  QueueCloseBox(queue);
  QueueKeyDown(queue, Key::kEnter, false);  // a single code still fits
  const auto codes = Drain(queue);
  ASSERT_EQ(codes.size(), static_cast<size_t>(kKeyQueueCapacity));
  EXPECT_EQ(codes.back(), 13);
  EXPECT_EQ(std::count(codes.begin(), codes.end(), 0), 0);
}

TEST(KeyQueue, PopWaitsForAnotherThreadAndShutWakesIt) {
  KeyQueue queue;
  std::thread window([&queue] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    QueueKeyDown(queue, Key::kUp, false);
  });
  EXPECT_EQ(queue.Pop(), 0);
  EXPECT_EQ(queue.Pop(), 72);
  window.join();
  std::thread closer([&queue] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    queue.Shut();
  });
  EXPECT_EQ(queue.Pop(), 0);
  closer.join();
}

}  // namespace
