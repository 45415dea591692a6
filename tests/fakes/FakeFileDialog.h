#pragma once

#include "platform/IFileDialog.h"

#include <vector>

namespace zt {

// Records each request and answers with `answer` (nullopt: the user cancelled).
class FakeFileDialog : public IFileDialog {
public:
    std::optional<std::string> OpenFile(const OpenFileRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    std::optional<std::string> answer;
    std::vector<OpenFileRequest> requests;
};

} // namespace zt
