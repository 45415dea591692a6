#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

// The version information of one file, loaded whole; released with the object.
class IVersionResource {
public:
    virtual ~IVersionResource() = default;
    // Entries of "\VarFileInfo\Translation": language in the low 16 bits, code page in the
    // high 16 bits. Empty when the sub-block yields nothing.
    virtual std::vector<std::uint32_t> Translations() const = 0;
    // The string at a sub-block path such as "\StringFileInfo\040904E4\ProductName";
    // nullopt when the path yields nothing.
    virtual std::optional<std::string> QueryString(const std::string& subBlock) const = 0;
};

// Reads executables' version resources.
class IVersionInfo {
public:
    virtual ~IVersionInfo() = default;
    // Null when the file has no version information.
    virtual std::unique_ptr<IVersionResource> Load(const std::string& fileName) = 0;
};

} // namespace zt
