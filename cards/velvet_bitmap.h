#pragma once

// The one entry point of the card picture library. The program loads the
// library by name at run time and looks this function up; it never links it.
//
// Picture numbers: 1-13 Hearts Ace..King, 14-26 Diamonds, 27-39 Spades,
// 40-52 Clubs (suit × 13 + rank + 1), 53-56 the mark of an empty Pile
// reserved for Hearts, Diamonds, Spades, Clubs.
// Scale 1 gives 72 × 96 pixels, scale 2 gives 144 × 192 pixels.
//
// Returns 1 and points *data at a complete PNG file of *size bytes, owned by
// the library and valid while it stays loaded. Returns 0 and leaves both
// outputs alone for any other number or scale, or a null output pointer.
//
// velvet_large_bitmap does the same for the faces 1-52 of the enlarged
// cell: 142 × 192 pixels at scale 1, 284 × 384 at scale 2.

#ifdef __cplusplus
extern "C" {
#endif

__attribute__((visibility("default"))) int velvet_bitmap(int number, int scale,
                                                         const unsigned char** data, int* size);
__attribute__((visibility("default"))) int velvet_large_bitmap(int number, int scale,
                                                               const unsigned char** data, int* size);

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
namespace tavolin::cards {

using VelvetBitmapFunction = int (*)(int number, int scale, const unsigned char** data, int* size);
inline constexpr char VelvetBitmapSymbol[] = "velvet_bitmap";
inline constexpr char VelvetLargeBitmapSymbol[] = "velvet_large_bitmap";

} // namespace tavolin::cards
#endif
