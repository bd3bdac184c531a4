#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

namespace tavolin::solver {

// A search's tables: small ones from the allocator's pools, which the next
// search reuses at no cost; large ones mapped from the system and given back
// to it when freed, so that a finished search leaves nothing resident.
// Both come zeroed; a mapped page not yet written is not resident.
inline constexpr std::size_t MappedFrom = std::size_t{1} << 18;

inline void* zeroedMemory(std::size_t bytes)
{
    void* memory = nullptr;
    if (bytes < MappedFrom) {
        memory = std::calloc(bytes, 1);
    } else {
        memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        memory = memory == MAP_FAILED ? nullptr : memory;
    }
    if (memory == nullptr)
        throw std::bad_alloc();
    return memory;
}

inline void releaseMemory(void* memory, std::size_t bytes)
{
    if (bytes < MappedFrom)
        std::free(memory);
    else
        munmap(memory, bytes);
}

// A growing array of plain values in such memory. Once mapped it grows by
// remapping: its pages move rather than being copied, and it is never held
// twice during a growth.
template <typename T>
class MappedArray {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    MappedArray() = default;
    ~MappedArray()
    {
        if (data_ != nullptr)
            releaseMemory(data_, capacity_ * sizeof(T));
    }
    MappedArray(const MappedArray&) = delete;
    MappedArray& operator=(const MappedArray&) = delete;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T* begin() { return data_; }
    T* end() { return data_ + size_; }
    const T* data() const { return data_; }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }
    T& back() { return data_[size_ - 1]; }

    void push_back(const T& value) { *grownBy(1) = value; }
    void pop_back() { --size_; }
    // Room for `count` more values at the end, for the caller to fill.
    T* grownBy(std::size_t count)
    {
        if (size_ + count > capacity_)
            reserve(size_ + count);
        T* added = data_ + size_;
        size_ += count;
        return added;
    }

private:
    static constexpr std::size_t FirstBytes = 4096;

    T* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;

    void reserve(std::size_t needed)
    {
        std::size_t capacity = capacity_ == 0 ? FirstBytes / sizeof(T) : capacity_;
        while (capacity < needed)
            capacity *= 2;
        const std::size_t bytes = capacity * sizeof(T);
        const std::size_t oldBytes = capacity_ * sizeof(T);
        void* memory = nullptr;
        if (oldBytes >= MappedFrom) {
            memory = mremap(data_, oldBytes, bytes, MREMAP_MAYMOVE);
            if (memory == MAP_FAILED)
                throw std::bad_alloc();
        } else {
            memory = zeroedMemory(bytes);
            if (data_ != nullptr) {
                std::memcpy(memory, data_, size_ * sizeof(T));
                releaseMemory(data_, oldBytes);
            }
        }
        data_ = static_cast<T*>(memory);
        capacity_ = capacity;
    }
};

} // namespace tavolin::solver
