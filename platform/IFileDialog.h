#pragma once

#include <optional>
#include <string>

namespace zt {

struct OpenFileRequest {
    std::string initialDir;
    std::string fileName;
    // Appended to a name typed without an extension, for example ".ini".
    std::string defaultExt;
    // Description and pattern pairs separated by "|", e.g. "Text file (*.*)|*.TXT".
    std::string filter;
};

// The system's file-open dialog.
class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    // The full path of the file the user confirmed; nullopt when the user cancelled.
    virtual std::optional<std::string> OpenFile(const OpenFileRequest& request) = 0;
};

} // namespace zt
