#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <new>

namespace tavolin::solver {

// Large blocks straight from the system and back to it when freed, so that
// a finished search leaves little resident behind in the allocator's pools;
// small ones from the pools, which the next search reuses at no cost.
template <typename T>
struct MappedAllocator {
    static constexpr std::size_t MappedFrom = std::size_t{1} << 18;

    using value_type = T;

    MappedAllocator() = default;
    template <typename U>
    MappedAllocator(const MappedAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t count)
    {
        if (count * sizeof(T) < MappedFrom)
            return static_cast<T*>(::operator new(count * sizeof(T)));
        void* memory = mmap(nullptr, count * sizeof(T), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED)
            throw std::bad_alloc();
        return static_cast<T*>(memory);
    }
    void deallocate(T* memory, std::size_t count) noexcept
    {
        if (count * sizeof(T) < MappedFrom)
            ::operator delete(memory);
        else
            munmap(memory, count * sizeof(T));
    }

    template <typename U>
    bool operator==(const MappedAllocator<U>&) const noexcept
    {
        return true;
    }
};

} // namespace tavolin::solver
