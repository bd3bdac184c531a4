#pragma once

#include <cstddef>
#include <cstdint>

namespace tavolin::solver {

// The fingerprints of the positions a search has met, in memory that grows
// with the search and, once large, goes back to the system when it ends.
class SeenPositions {
public:
    SeenPositions();
    ~SeenPositions();
    SeenPositions(const SeenPositions&) = delete;
    SeenPositions& operator=(const SeenPositions&) = delete;

    // True when the fingerprint is new. Throws std::bad_alloc when the
    // system gives no more memory.
    bool add(std::uint64_t fingerprint);
    bool contains(std::uint64_t fingerprint) const;
    std::uint64_t size() const { return size_; }

private:
    std::uint64_t* slots_ = nullptr;
    std::size_t mask_ = 0;
    std::uint64_t size_ = 0;

    // Twice the slots.
    void grow();
    void insert(std::uint64_t key);
};

} // namespace tavolin::solver
