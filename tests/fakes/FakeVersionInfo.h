#pragma once

#include "platform/IVersionInfo.h"

#include <map>

namespace zt {

// Version resources held in memory, per file name.
class FakeVersionInfo : public IVersionInfo {
public:
    struct Resource {
        std::vector<std::uint32_t> translations;
        std::map<std::string, std::string> strings; // by sub-block path
    };

    std::unique_ptr<IVersionResource> Load(const std::string& fileName) override {
        ++loads;
        const auto it = files.find(fileName);
        if (it == files.end())
            return nullptr;
        return std::make_unique<Loaded>(it->second, released);
    }

    std::map<std::string, Resource> files;
    int loads = 0;
    int released = 0;

private:
    class Loaded : public IVersionResource {
    public:
        Loaded(Resource r, int& released) : r_(std::move(r)), released_(released) {}
        ~Loaded() override { ++released_; }
        std::vector<std::uint32_t> Translations() const override { return r_.translations; }
        std::optional<std::string> QueryString(const std::string& subBlock) const override {
            const auto it = r_.strings.find(subBlock);
            if (it == r_.strings.end())
                return std::nullopt;
            return it->second;
        }

    private:
        Resource r_;
        int& released_;
    };
};

} // namespace zt
