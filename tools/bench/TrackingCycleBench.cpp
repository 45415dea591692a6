// The cost of one tracking cycle without its serial wait: the main window over the fakes,
// whose rotator answers at once. Not a test; prints nanoseconds per cycle.
#include "tests/app/MainRig.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

using namespace zt;

// Bytes held through operator new: whether a cycle keeps memory it never gives back.
namespace {
std::atomic<long long> LiveBytes{0};
}

void* operator new(std::size_t size) {
    // The size is kept in front of the block, so delete knows what it gives back.
    auto* block = static_cast<std::size_t*>(std::malloc(size + sizeof(std::max_align_t)));
    if (!block)
        throw std::bad_alloc();
    *block = size;
    LiveBytes += static_cast<long long>(size);
    return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}
void operator delete(void* p) noexcept {
    if (!p)
        return;
    auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(p) - sizeof(std::max_align_t));
    LiveBytes -= static_cast<long long>(*block);
    std::free(block);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

using Clock = std::chrono::steady_clock;

// Median over batches, in nanoseconds per call of step(i).
template <typename Step> double NsPerCall(int batches, int calls, Step step) {
    std::vector<double> ns;
    for (int b = 0, i = 0; b < batches; ++b) {
        const auto start = Clock::now();
        for (int c = 0; c < calls; ++c, ++i)
            step(i);
        ns.push_back(std::chrono::duration<double, std::nano>(Clock::now() - start).count() /
                     calls);
    }
    std::sort(ns.begin(), ns.end());
    return ns[ns.size() / 2];
}

// The satellite one step further along a pass, published as CALSAT32 does: a new time and
// a new direction every cycle, so every cycle queries the rotator and sends a move.
void Publish(MainRig& rig, int i) {
    rig.registry.SetString(MainRig::Key, "MJD", MjdAt(10, 3, i % 60));
    rig.SetDirection(std::to_string(200 + i % 100), std::to_string(10 + i % 40));
}

} // namespace

int main() {
    constexpr int Batches = 15, Calls = 2000;
    MainRig rig;
    rig.Start();
    rig.TickAt(9, 50);
    rig.main->SetAutoTracking(true);

    const double publish = NsPerCall(Batches, Calls, [&](int i) { Publish(rig, i); });
    const double tracking = NsPerCall(Batches, Calls, [&](int i) {
        Publish(rig, i);
        rig.controller.az = 199 + i % 100; // never on target: a move every cycle
        rig.Tick();
        rig.trace.clear();
    });
    rig.main->SetAutoTracking(false);
    // A new revolution each cycle: the pass table is read and the mode judged again.
    const double newPass = NsPerCall(Batches, Calls / 4, [&](int i) {
        Publish(rig, i);
        rig.registry.SetString(MainRig::Key, "Revolution", std::to_string(100 + i));
        rig.Tick();
        rig.trace.clear();
    });
    // Held memory across many more cycles, after the ones above have warmed everything up.
    rig.main->SetAutoTracking(true);
    // The fakes' own records are emptied each cycle; they would grow by design.
    const auto forget = [&] {
        rig.trace.clear();
        rig.device.TakeWritten();
        rig.device.calls.clear();
    };
    forget();
    const long long before = LiveBytes;
    constexpr int Held = 20000;
    for (int i = 0; i < Held; ++i) {
        Publish(rig, i);
        rig.controller.az = 199 + i % 100;
        rig.Tick();
        forget();
    }
    const long long held = LiveBytes - before;

    std::printf("publishing the fake registry values: %.0f ns\n", publish);
    std::printf("tracking cycle with query and move:  %.0f ns (%.0f ns without publishing)\n",
                tracking, tracking - publish);
    std::printf("cycle taking up a new pass:          %.0f ns (%.0f ns without publishing)\n",
                newPass, newPass - publish);
    std::printf("memory held after %d more tracking cycles: %lld bytes\n", Held, held);
    return 0;
}
