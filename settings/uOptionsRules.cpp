#include "settings/uOptionsRules.h"

#include <algorithm>
#include <cctype>

namespace zt {

PickerStart SplitPickerPath(const std::string& text) {
    const auto cut = text.find_last_of("\\:");
    if (cut == std::string::npos)
        return {"", text};
    std::string folder = text.substr(0, cut + 1);
    // "C:\" and "\" stay roots; "C:\dir\" loses its separator.
    if (folder.size() > 1 && folder.back() == '\\' && folder[folder.size() - 2] != ':' &&
        folder[folder.size() - 2] != '\\')
        folder.pop_back();
    return {folder, text.substr(cut + 1)};
}

std::optional<std::string> FindPort(const std::vector<std::string>& ports,
                                    const std::string& name) {
    const auto same = [&](const std::string& port) {
        return std::equal(
            port.begin(), port.end(), name.begin(), name.end(),
            [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
    };
    const auto found = std::find_if(ports.begin(), ports.end(), same);
    if (found == ports.end())
        return std::nullopt;
    return *found;
}

bool CheckFile(IFileSystem& files, IMessageBox& messages, const std::string& label,
               const std::string& path) {
    if (path.empty()) {
        messages.Show(label + "の指定が空白です", MessageKind::Error, true);
        return false;
    }
    if (!files.FileExists(path)) {
        messages.Show(label + "の" + path + " ファイルが見つかりません", MessageKind::Error, true);
        return false;
    }
    return true;
}

} // namespace zt
