#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <new>
#include <type_traits>

namespace tavolin::solver {

// A growing array of plain values in memory of its own, mapped from the
// system and given back to it when the array goes: a finished search
// leaves nothing resident behind in the allocator's pools. It grows by
// remapping, so its pages move rather than being copied, and memory is
// never held twice during a growth; pages not yet written are not resident.
template <typename T>
class MappedArray {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    MappedArray() = default;
    ~MappedArray()
    {
        if (data_ != nullptr)
            munmap(data_, capacity_ * sizeof(T));
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
    static constexpr std::size_t FirstBytes = std::size_t{1} << 16;

    T* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;

    void reserve(std::size_t needed)
    {
        std::size_t capacity = capacity_ == 0 ? FirstBytes / sizeof(T) : capacity_;
        while (capacity < needed)
            capacity *= 2;
        void* memory = data_ == nullptr
                           ? mmap(nullptr, capacity * sizeof(T), PROT_READ | PROT_WRITE,
                                  MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0)
                           : mremap(data_, capacity_ * sizeof(T), capacity * sizeof(T), MREMAP_MAYMOVE);
        if (memory == MAP_FAILED)
            throw std::bad_alloc();
        data_ = static_cast<T*>(memory);
        capacity_ = capacity;
    }
};

} // namespace tavolin::solver
