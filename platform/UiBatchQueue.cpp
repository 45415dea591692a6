#include "platform/UiBatchQueue.h"

#include "platform/ScopeGuard.h"

#include <utility>

namespace zt {

UiBatchQueue::UiBatchQueue(std::function<void()> wake) : wake_(std::move(wake)) {}

void UiBatchQueue::Hand(const std::function<void()>& batch) {
    Item item{&batch};
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(&item);
    }
    handed_.notify_all();
    if (wake_)
        wake_();
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [&] { return item.done; });
}

void UiBatchQueue::Finish(Item& item) {
    {
        std::lock_guard lock(mutex_);
        item.done = true;
    }
    finished_.notify_all();
}

void UiBatchQueue::RunPending() {
    for (;;) {
        Item* item;
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty())
                return;
            item = queue_.front();
            queue_.pop_front();
        }
        // Its hander is released however the batch ends.
        const auto release = ScopeExit([&] { Finish(*item); });
        (*item->batch)();
    }
}

bool UiBatchQueue::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        {
            std::unique_lock lock(mutex_);
            if (!handed_.wait_until(lock, deadline, [&] { return !queue_.empty(); }))
                return done();
        }
        RunPending();
    }
    return true;
}

} // namespace zt
