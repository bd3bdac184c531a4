#include "card.h"
#include "words.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace tavolin {

namespace {

const std::array<const char*, RankCount> RankNames = {
    GAME_TEXT_NOOP("Card", "Ace"), "2", "3", "4", "5", "6", "7", "8", "9", "10", GAME_TEXT_NOOP("Card", "Jack"),
    GAME_TEXT_NOOP("Card", "Queen"), GAME_TEXT_NOOP("Card", "King")};

const std::array<const char*, SuitCount + 1> SuitNames = {
    GAME_TEXT_NOOP("Card", "Hearts"), GAME_TEXT_NOOP("Card", "Diamonds"), GAME_TEXT_NOOP("Card", "Spades"),
    GAME_TEXT_NOOP("Card", "Clubs"), GAME_TEXT_NOOP("Card", "none")};

} // namespace

std::string rankName(int rank)
{
    return translatedText("Card", RankNames[rank]);
}

std::string suitName(int suit)
{
    return translatedText("Card", SuitNames[suit]);
}

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

std::string cardText(const std::string& format, CardCode card)
{
    if (!isValidCard(card))
        return formatText(format.c_str(), "?", suitName(SuitCount).c_str());
    return formatText(format.c_str(), rankName(rankOf(card)).c_str(), suitName(suitOf(card)).c_str());
}

} // namespace tavolin
