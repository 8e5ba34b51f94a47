#pragma once

#include "FakeHost.h"

#include <gtest/gtest.h>

#include <functional>

/** Checks shared by the wrapper tests: a call either reaches the stand-in host with its
    arguments and gives back the host's result, or reaches nothing and gives a fixed code.
*/
namespace fakehost
{
    struct Forwarded
    {
        const char* operation;
        std::function<AAX_Result()> call;
        std::vector<std::string> arguments;
    };

    /** Each call must reach the named interface once, with its arguments, and give back the host's result. */
    inline void expectForwarded (const Host& host, const std::string& interfaceName, const std::vector<Forwarded>& calls)
    {
        for (auto& f : calls)
        {
            const auto before = host.countCalls (interfaceName, f.operation);
            EXPECT_EQ (f.call(), Host::hostResult) << f.operation;
            ASSERT_EQ (host.countCalls (interfaceName, f.operation), before + 1) << interfaceName << " " << f.operation;
            EXPECT_EQ (host.lastCall (interfaceName, f.operation)->arguments, f.arguments) << f.operation;
        }
    }

    /** Each call must give the expected code without reaching the host at all. */
    inline void expectMissing (const Host& host, const std::vector<Forwarded>& calls, AAX_Result expected)
    {
        const auto callsBefore = host.calls.size();

        for (auto& f : calls)
            EXPECT_EQ (f.call(), expected) << f.operation;

        EXPECT_EQ (host.calls.size(), callsBefore);
    }
}
