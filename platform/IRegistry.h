#pragma once

#include <string>
#include <vector>

namespace zt {

// Read-only registry reader rooted at the current user's root. It holds at most one key open.
class IRegistry {
public:
    virtual ~IRegistry() = default;
    // Opens a key without creating it. A leading backslash makes the path absolute from the
    // root; otherwise it is relative to the key open now (or to the root when none is).
    // A failed opening leaves the previously open key open.
    virtual bool OpenKey(const std::string& path) = 0;
    virtual void CloseKey() = 0;
    // A string value of the open key; a missing value, a value of another type, or no open
    // key reads as empty text.
    virtual std::string ReadString(const std::string& name) = 0;
    // Whether the key (below the current user's root, absolute) opens with full access;
    // it is closed again at once and the open key is not changed.
    virtual bool KeyOpens(const std::string& path) = 0;
    // The data of the string values of a key below the local machine's root, in the
    // registry's order; empty when the key does not open.
    virtual std::vector<std::string> LocalMachineStrings(const std::string& path) = 0;
};

} // namespace zt
