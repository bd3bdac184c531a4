#include "solver_seen.h"

#include "solver_memory.h"

namespace tavolin::solver {

namespace {

constexpr std::size_t FirstSlots = std::size_t{1} << 10;

// Zero marks a free slot.
std::uint64_t stored(std::uint64_t fingerprint)
{
    return fingerprint == 0 ? 1 : fingerprint;
}

std::uint64_t* slotsFor(std::size_t count)
{
    return static_cast<std::uint64_t*>(zeroedMemory(count * sizeof(std::uint64_t)));
}

} // namespace

SeenPositions::SeenPositions() : slots_(slotsFor(FirstSlots)), mask_(FirstSlots - 1) {}

SeenPositions::~SeenPositions()
{
    releaseMemory(slots_, (mask_ + 1) * sizeof(std::uint64_t));
}

bool SeenPositions::add(std::uint64_t fingerprint)
{
    const std::uint64_t key = stored(fingerprint);
    std::size_t i = key & mask_;
    for (; slots_[i] != 0; i = (i + 1) & mask_)
        if (slots_[i] == key)
            return false;
    // At most three quarters full keeps the probes short.
    if (4 * (size_ + 1) > 3 * (mask_ + 1)) {
        grow();
        insert(key);
    } else {
        slots_[i] = key;
    }
    ++size_;
    return true;
}

bool SeenPositions::contains(std::uint64_t fingerprint) const
{
    const std::uint64_t key = stored(fingerprint);
    for (std::size_t i = key & mask_; slots_[i] != 0; i = (i + 1) & mask_)
        if (slots_[i] == key)
            return true;
    return false;
}

void SeenPositions::grow()
{
    const std::size_t slots = 2 * (mask_ + 1);
    std::uint64_t* bigger = slotsFor(slots);
    std::uint64_t* old = slots_;
    const std::size_t oldSlots = mask_ + 1;
    slots_ = bigger;
    mask_ = slots - 1;
    for (std::size_t i = 0; i < oldSlots; ++i)
        if (old[i] != 0)
            insert(old[i]);
    releaseMemory(old, oldSlots * sizeof(std::uint64_t));
}

void SeenPositions::insert(std::uint64_t key)
{
    std::size_t i = key & mask_;
    while (slots_[i] != 0)
        i = (i + 1) & mask_;
    slots_[i] = key;
}

} // namespace tavolin::solver
