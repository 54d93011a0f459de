#include "toolkit/StringList.h"

#include "toolkit/Exceptions.h"

void TStringList::Put(int index, const std::string& value)
{
    if (index < 0 || index >= Count())
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    FLines[size_t(index)] = value;
    Changed();
}

void TStringList::Insert(int index, const std::string& value)
{
    if (index < 0 || index > Count())
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    FLines.insert(FLines.begin() + index, value);
    Changed();
}

void TStringList::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    FLines.erase(FLines.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (FLines.empty())
        return;
    FLines.clear();
    Changed();
}

void TStringList::Assign(const TStringList& other)
{
    if (&other == this)
        return;
    FLines = other.FLines;
    Changed();
}

std::string TStringList::Text() const
{
    std::string out;
    for (const std::string& line : FLines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

void TStringList::SetText(const std::string& text)
{
    FLines.clear();
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            FLines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        FLines.push_back(line);
    Changed();
}

void TStringList::Changed()
{
    if (OnChange)
        OnChange();
}
