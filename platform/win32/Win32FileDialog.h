#pragma once

#include "platform/IFileDialog.h"

namespace zt {

// The common file-open dialog (GetOpenFileNameW), owned by the active window.
class Win32FileDialog : public IFileDialog {
public:
    std::optional<std::string> OpenFile(const OpenFileRequest& request) override;
};

} // namespace zt
