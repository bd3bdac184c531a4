#pragma once

#include <cstdint>

namespace tavolin {

// The C runtime's classic generator, written out so every platform deals
// the same game from the same seed: state × 22695477 + 1, bits 16..30.
class RandomGenerator {
public:
    void seed(std::uint32_t value) { state_ = value; }
    int next()
    {
        state_ = state_ * 22695477u + 1u;
        return static_cast<int>((state_ >> 16) & 0x7fff);
    }

private:
    std::uint32_t state_ = 1;
};

} // namespace tavolin
