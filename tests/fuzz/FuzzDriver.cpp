// Mutation driver: byte edits and spliced tokens over each target's seeds and a bounded pool
// of past mutants, reproducible from its seed. On a crash the sanitizer's report is followed
// by the input that caused it.
#include "FuzzTarget.h"

#include <sanitizer/common_interface_defs.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

const char* currentTarget = "";
const std::string* currentInput = nullptr;

void ReportInput() {
    if (!currentInput)
        return;
    std::fprintf(stderr, "\nzt-fuzz: target %s failed on %zu bytes: \"", currentTarget,
                 currentInput->size());
    for (unsigned char c : *currentInput)
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\')
            std::fputc(c, stderr);
        else
            std::fprintf(stderr, "\\x%02X", c);
    std::fprintf(stderr, "\"\n");
}

class Mutator {
public:
    Mutator(std::uint64_t seed, const zt::fuzz::FuzzTarget& target)
        : random_(seed), target_(target) {}

    std::string Next(const std::vector<std::string>& pool) {
        std::string s = pool[Pick(pool.size())];
        const std::size_t edits = 1 + Pick(4);
        for (std::size_t i = 0; i < edits; ++i)
            Edit(s, pool);
        return s.size() > 4096 ? s.substr(0, 4096) : s;
    }

private:
    std::size_t Pick(std::size_t n) {
        return n ? std::uniform_int_distribution<std::size_t>(0, n - 1)(random_) : 0;
    }
    char Byte() { return static_cast<char>(Pick(256)); }

    void Edit(std::string& s, const std::vector<std::string>& pool) {
        const std::size_t at = Pick(s.size() + 1);
        switch (Pick(7)) {
        case 0: // flip a bit
            if (!s.empty())
                s[Pick(s.size())] ^= static_cast<char>(1 << Pick(8));
            break;
        case 1:
            s.insert(at, 1, Byte());
            break;
        case 2:
            if (at < s.size())
                s.erase(at, 1 + Pick(std::min<std::size_t>(8, s.size() - at)));
            break;
        case 3: // repeat a piece
            if (at < s.size())
                s.insert(Pick(s.size()), s.substr(at, 1 + Pick(16)));
            break;
        case 4:
            if (!target_.tokens.empty())
                s.insert(at, target_.tokens[Pick(target_.tokens.size())]);
            break;
        case 5: // splice another input's tail
        {
            const std::string& other = pool[Pick(pool.size())];
            s = s.substr(0, at) + other.substr(Pick(other.size() + 1));
            break;
        }
        default:
            s.resize(at);
            break;
        }
    }

    std::mt19937_64 random_;
    const zt::fuzz::FuzzTarget& target_;
};

struct Options {
    double seconds = 4;
    std::uint64_t seed = 1;
};

Options Parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        if (key == "--seconds")
            o.seconds = std::atof(argv[i + 1]);
        else if (key == "--seed")
            o.seed = std::strtoull(argv[i + 1], nullptr, 10);
        else {
            std::fprintf(stderr, "usage: zt-fuzz [--seconds S (in all)] [--seed N]\n");
            std::exit(2);
        }
    }
    return o;
}

} // namespace

int main(int argc, char** argv) {
    const Options options = Parse(argc, argv);
    __sanitizer_set_death_callback(ReportInput);
    const auto& targets = zt::fuzz::Targets();
    const auto share = std::chrono::duration<double>(options.seconds / targets.size());
    unsigned long long total = 0;
    for (const auto& target : targets) {
        currentTarget = target.name;
        Mutator mutator(options.seed, target);
        std::vector<std::string> pool = target.seeds;
        pool.push_back("");
        unsigned long long runs = 0;
        const auto start = std::chrono::steady_clock::now();
        while (std::chrono::steady_clock::now() - start < share) {
            const std::string input = mutator.Next(pool);
            currentInput = &input;
            target.run(input);
            currentInput = nullptr;
            ++runs;
            // A bounded pool of past mutants lets edits pile up beyond a few steps.
            if (runs % 16 == 0) {
                if (pool.size() < 256)
                    pool.push_back(input);
                else
                    pool[target.seeds.size() + runs / 16 % (256 - target.seeds.size())] = input;
            }
        }
        const double secs =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-15s %10llu inputs in %.1f s\n", target.name, runs, secs);
        total += runs;
    }
    std::printf("%-15s %10llu inputs, seed %llu, no crash\n", "all", total,
                static_cast<unsigned long long>(options.seed));
    return 0;
}
