#pragma once
// What the card list shows, worked out before the memo is touched: one line per
// described card, collected first and handed to the memo in one go, so a long
// list costs time in proportion to its length and the memo lays out once.
//
// The count comes from the driver library, outside the program. No computer
// holds more than kMaxListedCards cards of one kind (a PCI system addresses at
// most 256 buses, and each card sits on one), so a larger count is a driver
// fault: the list says so in its first line and the host is asked to describe
// only the first kMaxListedCards cards.
#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/StringList.h"

constexpr int32_t kMaxListedCards = 256;

struct TCardListLines {
    TStringList Lines;
    // A card counts as found when the host described at least one.
    bool Found = false;
};

// describe(index) gives the text of card index (0-based); an empty text lists
// nothing for that card. bound is the most cards ever described.
TCardListLines CollectCardLines(int32_t count, const std::function<std::string(int32_t)>& describe,
                                int32_t bound = kMaxListedCards);

// The first line of a list whose driver reported count cards, more than bound.
std::string CardCountFaultLine(int32_t count, int32_t bound = kMaxListedCards);
