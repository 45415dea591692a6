#include "platform/win32/UniqueHandle.h"

#include <gtest/gtest.h>

#include <utility>

namespace zt {
namespace {

bool IsOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != 0;
}

HANDLE NewEvent() {
    return CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

TEST(UniqueHandle, ClosesOnceWhateverOwnsItLast) {
    const HANDLE raw = NewEvent();
    ASSERT_TRUE(IsOpen(raw));
    {
        UniqueHandle first(raw);
        UniqueHandle second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_TRUE(second);
        EXPECT_EQ(second.Get(), raw);
        UniqueHandle third;
        third = std::move(second);
        EXPECT_TRUE(IsOpen(raw));
    }
    EXPECT_FALSE(IsOpen(raw));
}

TEST(UniqueHandle, ReplacingOrReceivingClosesWhatWasOwned) {
    const HANDLE old = NewEvent();
    UniqueHandle owner(old);
    owner.Reset(NewEvent());
    EXPECT_FALSE(IsOpen(old));
    const HANDLE second = owner.Get();
    *owner.Receive() = NewEvent();
    EXPECT_FALSE(IsOpen(second));
    EXPECT_TRUE(IsOpen(owner.Get()));

    const HANDLE kept = owner.Release();
    EXPECT_FALSE(owner);
    EXPECT_TRUE(IsOpen(kept));
    CloseHandle(kept);
}

TEST(UniqueHandle, AFailedCreationOwnsNothing) {
    // CreateFile fails with INVALID_HANDLE_VALUE, CreateEvent and RegOpenKeyEx with null.
    EXPECT_FALSE(UniqueHandle(INVALID_HANDLE_VALUE));
    EXPECT_FALSE(UniqueHandle(nullptr));
    UniqueRegKey key;
    EXPECT_NE(
        RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\no such key here", 0, KEY_READ, key.Receive()),
        ERROR_SUCCESS);
    EXPECT_FALSE(key);
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.Receive()),
              ERROR_SUCCESS);
    EXPECT_TRUE(key);
}

} // namespace
} // namespace zt
