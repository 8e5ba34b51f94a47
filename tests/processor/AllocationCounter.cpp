#include "AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace
{
    std::atomic<bool> counting { false };
    std::atomic<size_t> allocations { 0 };

    void* allocate (std::size_t size)
    {
        if (counting.load (std::memory_order_relaxed))
            allocations.fetch_add (1, std::memory_order_relaxed);

        if (void* memory = std::malloc (size == 0 ? 1 : size))
            return memory;

        throw std::bad_alloc();
    }
}

void AllocationCounter::start() noexcept
{
    allocations = 0;
    counting = true;
}

size_t AllocationCounter::stop() noexcept
{
    counting = false;
    return allocations.load();
}

void* operator new (std::size_t size)                                   { return allocate (size); }
void* operator new[] (std::size_t size)                                 { return allocate (size); }
void* operator new (std::size_t size, const std::nothrow_t&) noexcept   { try { return allocate (size); } catch (...) { return nullptr; } }
void* operator new[] (std::size_t size, const std::nothrow_t&) noexcept { try { return allocate (size); } catch (...) { return nullptr; } }
void operator delete (void* memory) noexcept                            { std::free (memory); }
void operator delete[] (void* memory) noexcept                          { std::free (memory); }
void operator delete (void* memory, std::size_t) noexcept               { std::free (memory); }
void operator delete[] (void* memory, std::size_t) noexcept             { std::free (memory); }
