#include "platform/IIniFile.h"

#include "platform/DecimalInteger.h"

namespace zt {

int IIniFile::ReadInteger(const std::string& path, const std::string& section,
                          const std::string& key, int def) {
    return TryParseDecimalInteger(ReadString(path, section, key, "")).value_or(def);
}

} // namespace zt
