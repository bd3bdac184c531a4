#include "solver_seen.h"

#include <sys/mman.h>

#include <algorithm>
#include <bit>

namespace tavolin::solver {

namespace {

// Zero marks a free slot.
std::uint64_t stored(std::uint64_t fingerprint)
{
    return fingerprint == 0 ? 1 : fingerprint;
}

} // namespace

SeenPositions::SeenPositions(std::uint64_t capacity)
{
    // At most three quarters full keeps the probes short; the cap keeps the
    // mapping within what the address space can give.
    capacity = std::min<std::uint64_t>(capacity, std::uint64_t{1} << 32);
    const std::uint64_t slots = std::bit_ceil(std::max<std::uint64_t>(capacity + capacity / 3 + 1, 1024));
    void* memory = mmap(nullptr, slots * sizeof(std::uint64_t), PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (memory == MAP_FAILED)
        return;
    slots_ = static_cast<std::uint64_t*>(memory);
    mask_ = slots - 1;
    capacity_ = capacity;
}

SeenPositions::~SeenPositions()
{
    if (slots_ != nullptr)
        munmap(slots_, (mask_ + 1) * sizeof(std::uint64_t));
}

SeenPositions::Outcome SeenPositions::add(std::uint64_t fingerprint)
{
    if (slots_ == nullptr)
        return Outcome::Full;
    const std::uint64_t key = stored(fingerprint);
    for (std::size_t i = key & mask_;; i = (i + 1) & mask_) {
        if (slots_[i] == key)
            return Outcome::Known;
        if (slots_[i] == 0) {
            if (size_ >= capacity_)
                return Outcome::Full;
            slots_[i] = key;
            ++size_;
            return Outcome::Added;
        }
    }
}

bool SeenPositions::contains(std::uint64_t fingerprint) const
{
    if (slots_ == nullptr)
        return false;
    const std::uint64_t key = stored(fingerprint);
    for (std::size_t i = key & mask_;; i = (i + 1) & mask_) {
        if (slots_[i] == key)
            return true;
        if (slots_[i] == 0)
            return false;
    }
}

} // namespace tavolin::solver
