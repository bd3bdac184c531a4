#include "card.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace tavolin {

const std::array<const char*, RankCount> RankNames = {
    "Ace", "2", "3", "4", "5", "6", "7", "8", "9", "10", "Jack", "Queen", "King"};

const std::array<const char*, SuitCount + 1> SuitNames = {
    "Hearts", "Diamonds", "Spades", "Clubs", "none"};

std::string formatText(const char* format, ...)
{
    char buffer[256];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (length < 0)
        return {};
    return std::string(buffer, std::min<std::size_t>(static_cast<std::size_t>(length), sizeof buffer - 1));
}

std::string cardText(const char* format, CardCode card)
{
    if (!isValidCard(card))
        return formatText(format, "?", SuitNames[SuitCount]);
    return formatText(format, RankNames[rankOf(card)], SuitNames[suitOf(card)]);
}

} // namespace tavolin
