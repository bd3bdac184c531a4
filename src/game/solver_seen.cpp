#include "solver_seen.h"

#include <sys/mman.h>

#include <algorithm>

namespace tavolin::solver {

namespace {

constexpr std::size_t FirstSlots = std::size_t{1} << 13;

// Zero marks a free slot.
std::uint64_t stored(std::uint64_t fingerprint)
{
    return fingerprint == 0 ? 1 : fingerprint;
}

std::uint64_t* mapped(std::size_t slots)
{
    void* memory = mmap(nullptr, slots * sizeof(std::uint64_t), PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return memory == MAP_FAILED ? nullptr : static_cast<std::uint64_t*>(memory);
}

} // namespace

// The cap keeps the table within what the address space can give.
SeenPositions::SeenPositions(std::uint64_t capacity)
    : slots_(mapped(FirstSlots)), mask_(FirstSlots - 1),
      capacity_(std::min<std::uint64_t>(capacity, std::uint64_t{1} << 32))
{
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
    std::size_t i = key & mask_;
    for (; slots_[i] != 0; i = (i + 1) & mask_)
        if (slots_[i] == key)
            return Outcome::Known;
    if (size_ >= capacity_)
        return Outcome::Full;
    // At most three quarters full keeps the probes short.
    if (4 * (size_ + 1) > 3 * (mask_ + 1)) {
        if (!grow())
            return Outcome::Full;
        insert(key);
    } else {
        slots_[i] = key;
    }
    ++size_;
    return Outcome::Added;
}

bool SeenPositions::contains(std::uint64_t fingerprint) const
{
    if (slots_ == nullptr)
        return false;
    const std::uint64_t key = stored(fingerprint);
    for (std::size_t i = key & mask_; slots_[i] != 0; i = (i + 1) & mask_)
        if (slots_[i] == key)
            return true;
    return false;
}

bool SeenPositions::grow()
{
    const std::size_t slots = 2 * (mask_ + 1);
    std::uint64_t* bigger = mapped(slots);
    if (bigger == nullptr)
        return false;
    std::uint64_t* old = slots_;
    const std::size_t oldSlots = mask_ + 1;
    slots_ = bigger;
    mask_ = slots - 1;
    for (std::size_t i = 0; i < oldSlots; ++i)
        if (old[i] != 0)
            insert(old[i]);
    munmap(old, oldSlots * sizeof(std::uint64_t));
    return true;
}

void SeenPositions::insert(std::uint64_t key)
{
    std::size_t i = key & mask_;
    while (slots_[i] != 0)
        i = (i + 1) & mask_;
    slots_[i] = key;
}

} // namespace tavolin::solver
