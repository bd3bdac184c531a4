#pragma once

#include <cstdint>

namespace tavolin::cards {

inline constexpr int PictureCount = 56;  // 52 faces and 4 Pile marks
inline constexpr int ScaleCount = 2;
inline constexpr int CardWidth = 72;     // at scale 1
inline constexpr int CardHeight = 96;

// Where one PNG file lies inside PictureBytes.
struct PictureSpan {
    std::uint32_t offset;
    std::uint32_t size;
};

// Written by the picture generator at build time: every scale-1 picture in
// number order, then every scale-2 picture.
extern const unsigned char PictureBytes[];
extern const PictureSpan PictureSpans[PictureCount * ScaleCount];

} // namespace tavolin::cards
