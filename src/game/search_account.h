#pragma once

#include "card.h"
#include "transfer_details.h"

namespace tavolin {

// Where a transfer search writes its steps. A silent account (no details)
// lets move detection run the very same search without any output.
class SearchAccount {
public:
    SearchAccount() = default;
    SearchAccount(TransferDetails& details, int lineLimit) : details_(&details), lineLimit_(lineLimit) {}

    bool isSilent() const { return details_ == nullptr; }

    void firstCard(CardCode held);
    void firstCardMisses();
    // Card number `number` of the origin Column is examined.
    void card(int number, CardCode card);
    void noMatch(int number);
    void matches(int number);
    void missing(int number, int position);
    // Ends the search: `format` may hold a %d for the count.
    int result(int count, const char* format);

private:
    TransferDetails* details_ = nullptr;
    int lineLimit_ = 0;
    int row_ = 0;

    void write(const std::string& text);
    void advance() { ++row_; }
};

} // namespace tavolin
