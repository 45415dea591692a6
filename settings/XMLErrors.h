// Failures of the settings document: parse errors, invalid names, misshapen keys, saving.
#pragma once

#include <stdexcept>
#include <string>

namespace zt {

class EXMLDocError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EDOMParseError : public EXMLDocError {
public:
    EDOMParseError(const std::string& message, int line) : EXMLDocError(message), FLine(line) {}
    int Line() const { return FLine; }

private:
    int FLine;
};

} // namespace zt
