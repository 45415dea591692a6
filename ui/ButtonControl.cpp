#include "ui/ButtonControl.h"

namespace zt {

void ButtonControl::Click() {
    Fire(OnClick);
}

Key ButtonControl::AccessKey() const {
    const std::string& c = caption_;
    for (std::size_t i = 0; i + 1 < c.size(); ++i) {
        if (c[i] != '&')
            continue;
        if (c[i + 1] == '&') { // "&&" is a literal ampersand
            ++i;
            continue;
        }
        const char k = c[i + 1];
        if (k >= 'a' && k <= 'z')
            return k - 'a' + 'A';
        if ((k >= 'A' && k <= 'Z') || (k >= '0' && k <= '9'))
            return k;
        return vkNone;
    }
    return vkNone;
}

} // namespace zt
