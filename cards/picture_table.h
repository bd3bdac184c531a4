#pragma once

#include <cstdint>

namespace tavolin::cards {

inline constexpr int PictureCount = 56;  // 52 faces and 4 Pile marks
inline constexpr int LargeFaceCount = 52;
inline constexpr int ScaleCount = 2;
inline constexpr int CardWidth = 72;     // at scale 1
inline constexpr int CardHeight = 96;
inline constexpr int LargeCardWidth = 142;
inline constexpr int LargeCardHeight = 192;
inline constexpr int PictureFileCount = (PictureCount + LargeFaceCount) * ScaleCount;

// Where one PNG file lies inside PictureBytes.
struct PictureSpan {
    std::uint32_t offset;
    std::uint32_t size;
};

// Written by the picture generator at build time: every small picture in
// number order at scale 1, then at scale 2; then every large face at
// scale 1, then at scale 2.
extern const unsigned char PictureBytes[];
extern const PictureSpan PictureSpans[PictureFileCount];

} // namespace tavolin::cards
