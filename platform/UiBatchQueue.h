#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace zt {

// The hand-over of batches from other threads to the UI thread, shared by every IUiThread.
class UiBatchQueue {
public:
    // wake runs on the handing thread after each batch is queued (e.g. to post a message
    // that makes the UI thread's loop come round).
    explicit UiBatchQueue(std::function<void()> wake = {});

    // Queues the batch and blocks until the UI thread has run it (or it failed there).
    void Hand(const std::function<void()>& batch);
    // Runs the batches queued so far. A batch's failure is rethrown here, after its hander
    // has been released.
    void RunPending();
    // Runs batches as they arrive until done() holds, blocking in between; false when done()
    // still fails after limit.
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

private:
    struct Item {
        const std::function<void()>* batch;
        bool done = false;
    };
    void Finish(Item& item);

    std::function<void()> wake_;
    std::mutex mutex_;
    std::condition_variable handed_;
    std::condition_variable finished_;
    std::deque<Item*> queue_;
};

} // namespace zt
