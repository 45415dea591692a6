// The Options dialog's checks and path rules, apart from the form.
#pragma once

#include "platform/IFileSystem.h"
#include "platform/IMessageBox.h"

#include <optional>
#include <string>
#include <vector>

namespace zt {

// Where the file-open dialog starts for a box's text: the folder part (up to the last "\"
// or ":", without that "\" unless a root needs it) and the name after it.
struct PickerStart {
    std::string folder;
    std::string fileName;
};
PickerStart SplitPickerPath(const std::string& text);

// The port list's own spelling of name (exact match ignoring case), if listed.
std::optional<std::string> FindPort(const std::vector<std::string>& ports, const std::string& name);

// Whether a file setting may be kept; otherwise says why in an error box centred on the
// screen. label is the key name ("Inifile" or "Elements").
bool CheckFile(IFileSystem& files, IMessageBox& messages, const std::string& label,
               const std::string& path);

} // namespace zt
