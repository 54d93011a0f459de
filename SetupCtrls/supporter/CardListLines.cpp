#include "SetupCtrls/supporter/CardListLines.h"

TCardListLines CollectCardLines(int32_t count, const std::function<std::string(int32_t)>& describe, int32_t bound)
{
    TCardListLines list;
    if (count > bound)
        list.Lines.Add(CardCountFaultLine(count, bound));
    const int32_t described = count < bound ? count : bound;
    for (int32_t card = 0; card < described; ++card) {
        const std::string text = describe(card);
        if (text.empty())
            continue;
        list.Lines.Add(text);
        list.Found = true;
    }
    if (!list.Found)
        list.Lines.Add("No Card Found");
    return list;
}

std::string CardCountFaultLine(int32_t count, int32_t bound)
{
    return "Driver fault: it reports " + std::to_string(count) + " cards, more than the " + std::to_string(bound)
        + " a computer can hold; only the first " + std::to_string(bound) + " are listed.";
}
