#pragma once

#include "card.h"
#include "transfer_details.h"
#include "words.h"

namespace tavolin {

// Where a transfer search writes its steps for the details panel.
class SearchAccount {
public:
    SearchAccount(TransferDetails& details, int lineLimit) : details_(&details), lineLimit_(lineLimit) {}

    static constexpr bool isSilent() { return false; }

    void firstCard(CardCode held)
    {
        write(cardText(GAME_TEXT("Panel", "First card at origin is %s of %s"), held));
        ++row_;
    }

    void firstCardMisses()
    {
        write(GAME_TEXT("Panel", "First card doesn't match target."));
        ++row_;
    }

    // Card number `number` of the origin Column is examined.
    void card(int number, CardCode card) { writeCard(number, card); }

    void noMatch(int number)
    {
        write(formatText(GAME_TEXT("Panel", "Card number %d no match for previous card.").c_str(), number));
    }

    void matches(int number)
    {
        write(formatText(GAME_TEXT("Panel", "Card number %d matches target.").c_str(), number));
    }

    void missing(int number, int position)
    {
        write(formatText(GAME_TEXT("Panel", "Last card number %d processed: %d").c_str(), number, position));
    }

    // Ends the search: `format`, marked for the "Panel" context and translated
    // here, may hold a %d for the count.
    int result(int count, const char* format)
    {
        writeResult(count, format);
        return count;
    }

private:
    TransferDetails* details_;
    int lineLimit_ = 0;
    int row_ = 0;

    void write(const std::string& text);
    void writeCard(int number, CardCode card);
    void writeResult(int count, const char* format);
};

// The same calls with no output, so that move detection and a drop without
// the details panel run the very same search. Move detection runs it for
// every pair of Columns on every pass of the game loop: known empty at
// compile time, the calls cost nothing.
struct SilentAccount {
    static constexpr bool isSilent() { return true; }

    void firstCard(CardCode) {}
    void firstCardMisses() {}
    void card(int, CardCode) {}
    void noMatch(int) {}
    void matches(int) {}
    void missing(int, int) {}
    int result(int count, const char*) { return count; }
};

} // namespace tavolin
