#pragma once

#include "platform/IMessageBox.h"

#include <string>

namespace zt {

// Message boxes with MessageBoxW, owned by the thread's active window; the centred variant
// is moved to the middle of the screen.
class Win32MessageBox : public IMessageBox {
public:
    explicit Win32MessageBox(std::string caption) : caption_(std::move(caption)) {}
    void Show(const std::string& text, MessageKind kind = MessageKind::Information,
              bool centred = false) override;

private:
    std::string caption_;
};

} // namespace zt
