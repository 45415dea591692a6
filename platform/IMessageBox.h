#pragma once

#include <string>

namespace zt {

// Plain: the text alone, no icon.
enum class MessageKind { Information, Warning, Error, Plain };

// Modal message boxes shown to the user. Returns once the user has closed the box.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // centred: centre the box on the screen rather than on the active window.
    virtual void Show(const std::string& text, MessageKind kind = MessageKind::Information,
                      bool centred = false) = 0;
};

} // namespace zt
