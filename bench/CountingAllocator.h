#pragma once
// Replaces the global operator new and delete with ones that count heap
// allocations, so a benchmark can tell a paint that allocates from one that
// does not.  Include it in exactly one source file of a benchmark program.

#include <atomic>
#include <cstdlib>
#include <new>

inline std::atomic<long> Allocations{0};

void *operator new(std::size_t size)
{
    ++Allocations;
    if (void *memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void *memory) noexcept
{
    std::free(memory);
}

void operator delete(void *memory, std::size_t) noexcept
{
    std::free(memory);
}
