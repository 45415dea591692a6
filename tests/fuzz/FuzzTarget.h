// A parser of outside input under a randomized driver. Each target feeds one input to its
// parsers; the errors they report for bad input are their answer, only a crash or undefined
// behaviour (caught by the sanitizers) is a finding.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zt::fuzz {

struct FuzzTarget {
    const char* name;
    void (*run)(std::string_view input);
    std::vector<std::string> seeds;  // well-formed inputs the mutations start from
    std::vector<std::string> tokens; // pieces the mutations splice in
};

const std::vector<FuzzTarget>& Targets();

} // namespace zt::fuzz
