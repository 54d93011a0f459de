#include "toolkit/Types.h"

#include <algorithm>

TRect IntersectRect(const TRect& a, const TRect& b)
{
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    if (r.IsEmpty())
        return TRect{};
    return r;
}

std::string AsciiLower(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

bool SameTextAscii(const std::string& a, const std::string& b)
{
    return AsciiLower(a) == AsciiLower(b);
}

static bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
static bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

bool IsValidIdent(const std::string& s)
{
    if (s.empty() || !IsIdentStart(s[0]))
        return false;
    return std::all_of(s.begin() + 1, s.end(), IsIdentChar);
}
