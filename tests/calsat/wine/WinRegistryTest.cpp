#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Registry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zt {
namespace {

// A scratch tree below a root, removed before and after each test.
struct ScratchKey {
    ScratchKey(HKEY root, const wchar_t* path) : Root(root), Path(path) {
        RegDeleteTreeW(Root, Path.c_str());
    }
    ~ScratchKey() { RegDeleteTreeW(Root, Path.c_str()); }
    void Set(const std::wstring& sub, const std::wstring& name, const std::wstring& text) {
        HKEY key = Create(sub);
        RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    void SetNumber(const std::wstring& sub, const std::wstring& name, DWORD value) {
        HKEY key = Create(sub);
        RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                       sizeof value);
        RegCloseKey(key);
    }
    HKEY Create(const std::wstring& sub) {
        HKEY key = nullptr;
        const std::wstring full = sub.empty() ? Path : Path + L"\\" + sub;
        EXPECT_EQ(RegCreateKeyExW(Root, full.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        return key;
    }
    HKEY Root;
    std::wstring Path;
};

TEST(Win32Registry, OpensAbsoluteAndRelativePathsAndKeepsTheKeyOnFailure) {
    ScratchKey scratch(HKEY_CURRENT_USER, L"Software\\ZenitrackTest\\Registry");
    scratch.Set(L"", L"Top", L"t");
    scratch.Set(L"Inner", L"MJD", L"60000.5");
    scratch.Set(L"Inner", L"Long", std::wstring(3000, L'x') + L"\x65e5");
    scratch.SetNumber(L"Inner", L"Number", 7);

    Win32Registry reg;
    EXPECT_EQ(reg.ReadString("Top"), ""); // no key open yet
    ASSERT_TRUE(reg.OpenKey("\\Software\\ZenitrackTest"));
    ASSERT_TRUE(reg.OpenKey("Registry"));
    EXPECT_EQ(reg.ReadString("top"), "t");
    EXPECT_FALSE(reg.OpenKey("Missing"));
    EXPECT_EQ(reg.ReadString("Top"), "t");
    ASSERT_TRUE(reg.OpenKey("Inner"));
    EXPECT_EQ(reg.ReadString("MJD"), "60000.5");
    EXPECT_EQ(reg.ReadString("Long"), std::string(3000, 'x') + "\xe6\x97\xa5");
    EXPECT_EQ(reg.ReadString("Number"), "");
    EXPECT_EQ(reg.ReadString("Nothing"), "");
    EXPECT_FALSE(reg.OpenKey("\\Software\\ZenitrackTest\\Missing"));
    EXPECT_EQ(reg.ReadString("MJD"), "60000.5");

    EXPECT_TRUE(reg.KeyOpens("\\Software\\ZenitrackTest\\Registry"));
    EXPECT_TRUE(reg.KeyOpens("Software\\ZenitrackTest\\Registry\\Inner"));
    EXPECT_FALSE(reg.KeyOpens("\\Software\\ZenitrackTest\\Nope"));
    EXPECT_EQ(reg.ReadString("MJD"), "60000.5");
    ASSERT_TRUE(reg.OpenKey("\\Software\\ZenitrackTest\\Registry"));
    EXPECT_EQ(reg.ReadString("MJD"), "");
}

TEST(Win32Registry, ListsTheStringValuesOfALocalMachineKey) {
    ScratchKey scratch(HKEY_LOCAL_MACHINE, L"Software\\ZenitrackTest\\SerialComm");
    scratch.Set(L"", L"\\Device\\Serial0", L"COM1");
    scratch.Set(L"", L"\\Device\\Serial1", L"COM10");
    scratch.SetNumber(L"", L"\\Device\\Odd", 3);

    Win32Registry reg;
    auto ports = reg.LocalMachineStrings("Software\\ZenitrackTest\\SerialComm");
    std::sort(ports.begin(), ports.end());
    EXPECT_EQ(ports, (std::vector<std::string>{"COM1", "COM10"}));
    EXPECT_TRUE(reg.LocalMachineStrings("Software\\ZenitrackTest\\Nope").empty());
}

} // namespace
} // namespace zt
