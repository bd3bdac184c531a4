#pragma once

#include "card.h"
#include "transfer_details.h"

namespace tavolin {

// Where a transfer search writes its steps. A silent account (no details)
// lets move detection run the very same search without any output; its
// calls cost a test of one pointer.
class SearchAccount {
public:
    SearchAccount() = default;
    SearchAccount(TransferDetails& details, int lineLimit) : details_(&details), lineLimit_(lineLimit) {}

    bool isSilent() const { return details_ == nullptr; }

    void firstCard(CardCode held)
    {
        if (details_) {
            write(cardText("First card at origin is %s of %s", held));
            ++row_;
        }
    }

    void firstCardMisses()
    {
        if (details_) {
            write("First card doesn't match target.");
            ++row_;
        }
    }

    // Card number `number` of the origin Column is examined.
    void card(int number, CardCode card)
    {
        if (details_)
            writeCard(number, card);
    }

    void noMatch(int number)
    {
        if (details_)
            write(formatText("Card number %d no match for previous card.", number));
    }

    void matches(int number)
    {
        if (details_)
            write(formatText("Card number %d matches target.", number));
    }

    void missing(int number, int position)
    {
        if (details_)
            write(formatText("Last card number %d processed: %d", number, position));
    }

    // Ends the search: `format` may hold a %d for the count.
    int result(int count, const char* format)
    {
        if (details_)
            writeResult(count, format);
        return count;
    }

private:
    TransferDetails* details_ = nullptr;
    int lineLimit_ = 0;
    int row_ = 0;

    void write(const std::string& text);
    void writeCard(int number, CardCode card);
    void writeResult(int count, const char* format);
};

} // namespace tavolin
