// The key queue between the window thread and the program.
#include "wingraph/driver.h"

namespace wingraph {

bool KeyQueue::PushLocked(int code) {
  if (count_ >= kKeyQueueCapacity) return false;
  codes_[(head_ + count_) % kKeyQueueCapacity] = static_cast<std::uint8_t>(code & 0xFF);
  ++count_;
  return true;
}

bool KeyQueue::Push(int code) {
  {
    std::lock_guard lock(mutex_);
    if (!PushLocked(code)) return false;
  }
  ready_.notify_all();
  return true;
}

bool KeyQueue::PushSpecial(int code) {
  {
    std::lock_guard lock(mutex_);
    if (count_ + 2 > kKeyQueueCapacity) return false;
    PushLocked(0);
    PushLocked(code);
  }
  ready_.notify_all();
  return true;
}

int KeyQueue::Pop() {
  std::unique_lock lock(mutex_);
  ready_.wait(lock, [this] { return count_ > 0 || shut_; });
  if (count_ == 0) return 0;
  const int code = codes_[head_];
  head_ = (head_ + 1) % kKeyQueueCapacity;
  --count_;
  return code;
}

bool KeyQueue::TryPop(int& code) {
  std::lock_guard lock(mutex_);
  if (count_ == 0) return false;
  code = codes_[head_];
  head_ = (head_ + 1) % kKeyQueueCapacity;
  --count_;
  return true;
}

bool KeyQueue::Empty() const {
  std::lock_guard lock(mutex_);
  return count_ == 0;
}

void KeyQueue::Shut() {
  {
    std::lock_guard lock(mutex_);
    shut_ = true;
  }
  ready_.notify_all();
}

}  // namespace wingraph
