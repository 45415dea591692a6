#include "platform/win32/Win32NamedMutex.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace zt {
namespace {

// Ownership is per thread, so another thread stands in for the second process.
bool TryFromOtherThread(const std::string& name) {
    return std::async(std::launch::async,
                      [&] {
                          Win32NamedMutex other(name);
                          return other.TryAcquire();
                      })
        .get();
}

TEST(NamedMutex, OnlyOneHolderUntilReleased) {
    const std::string name = "ZenitrackTestMutex";
    {
        Win32NamedMutex first(name);
        ASSERT_TRUE(first.TryAcquire());
        EXPECT_TRUE(first.TryAcquire()) << "the holder keeps it";
        EXPECT_FALSE(TryFromOtherThread(name));
    }
    EXPECT_TRUE(TryFromOtherThread(name)) << "released when the holder goes";
}

} // namespace
} // namespace zt
