#include "platform/win32/Utf16.h"
#include "platform/win32/Win32NamedMutex.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

#include <windows.h>

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

TEST(NamedMutex, ANameTakenByAnotherKindOfObjectIsAnErrorNotASecondCopy) {
    const std::string name = "ZenitrackTestTakenName";
    const HANDLE event = CreateEventW(nullptr, TRUE, FALSE, ToUtf16(name).c_str());
    ASSERT_NE(event, nullptr);
    {
        Win32NamedMutex mutex(name);
        EXPECT_EQ(mutex.CreateError(), static_cast<unsigned long>(ERROR_INVALID_HANDLE));
        EXPECT_FALSE(mutex.TryAcquire());
    }
    CloseHandle(event);
    Win32NamedMutex mutex(name);
    EXPECT_EQ(mutex.CreateError(), 0ul);
    EXPECT_TRUE(mutex.TryAcquire());
}

} // namespace
} // namespace zt
