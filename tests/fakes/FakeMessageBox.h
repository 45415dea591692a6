#pragma once

#include "platform/IMessageBox.h"

#include <string>
#include <vector>

namespace zt {

// Records every message instead of showing it.
class FakeMessageBox : public IMessageBox {
public:
    struct Shown {
        std::string text;
        MessageKind kind;
        bool centred;
    };
    void Show(const std::string& text, MessageKind kind, bool centred) override {
        shown.push_back({text, kind, centred});
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const auto& s : shown)
            t.push_back(s.text);
        return t;
    }
    std::vector<Shown> shown;
};

} // namespace zt
