#pragma once

#include <atomic>
#include <cstddef>

/** Counts calls of the global operator new made while counting is switched on
    (the executable that links AllocationCounter.cpp replaces operator new).
*/
namespace AllocationCounter
{
    void start() noexcept;
    /** Stops counting and returns the allocations since start(). */
    size_t stop() noexcept;
}
