#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tavolin {

// One card: rank index × 4 + suit index. Rank 0 is the Ace, 12 the King;
// suits are Hearts, Diamonds, Spades, Clubs.
using CardCode = std::int32_t;

inline constexpr int RankCount = 13;
inline constexpr int SuitCount = 4;
inline constexpr int PackSize = RankCount * SuitCount;
inline constexpr int AceRank = 0;
inline constexpr int KingRank = 12;

// The names in the player's language; suit SuitCount is "none".
std::string rankName(int rank);
std::string suitName(int suit);

constexpr bool isValidCard(CardCode card) { return card >= 0 && card < PackSize; }
constexpr int rankOf(CardCode card) { return card >> 2; }
constexpr int suitOf(CardCode card) { return card & 3; }
constexpr CardCode makeCard(int rank, int suit) { return rank * SuitCount + suit; }

// Hearts and Diamonds are red (1), Spades and Clubs black (2).
constexpr int colourOf(CardCode card) { return suitOf(card) < 2 ? 1 : 2; }

// A card fits onto another on a Column: one rank lower, the other colour.
constexpr bool fits(CardCode card, CardCode onto)
{
    return rankOf(card) + 1 == rankOf(onto) && colourOf(card) != colourOf(onto);
}

// Picture numbers in the card library: faces 1..52 by suit then rank,
// the empty-Pile marks 53..56 by suit.
constexpr int faceImageNumber(CardCode card) { return suitOf(card) * RankCount + rankOf(card) + 1; }
constexpr int pileMarkImageNumber(int suit) { return 53 + suit; }

// printf-style text with the card's rank and suit names for the two %s
// (a translation may swap them as %2$s %1$s).
std::string cardText(const std::string& format, CardCode card);

// printf-style formatting into a std::string; the game's texts are all short.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace tavolin
