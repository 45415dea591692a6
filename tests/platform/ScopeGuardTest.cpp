#include "platform/ScopeGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace zt {
namespace {

TEST(ScopeExit, RunsOnceAtTheEndOfTheScopeAndWhenAnErrorPassesThrough) {
    int runs = 0;
    {
        auto guard = ScopeExit([&] { ++runs; });
        EXPECT_EQ(runs, 0);
    }
    EXPECT_EQ(runs, 1);
    EXPECT_THROW(
        {
            auto guard = ScopeExit([&] { ++runs; });
            throw std::runtime_error("step failed");
        },
        std::runtime_error);
    EXPECT_EQ(runs, 2);
}

TEST(TemporaryChange, SetsForTheScopeAndRestoresTheOldValueHoweverItEnds) {
    std::string mode = "idle";
    int depth = 3;
    {
        TemporaryChange running(mode, std::string("tick"));
        TemporaryChange fresh(depth, 0);
        EXPECT_EQ(mode, "tick");
        EXPECT_EQ(depth, 0);
        {
            // Nested changes unwind in order, each back to what it found.
            TemporaryChange inner(depth, 7);
            EXPECT_EQ(depth, 7);
        }
        EXPECT_EQ(depth, 0);
    }
    EXPECT_EQ(mode, "idle");
    EXPECT_EQ(depth, 3);
    try {
        TemporaryChange running(mode, std::string("tick"));
        throw std::runtime_error("tick failed");
    } catch (const std::runtime_error&) {
        EXPECT_EQ(mode, "idle");
    }
}

} // namespace
} // namespace zt
