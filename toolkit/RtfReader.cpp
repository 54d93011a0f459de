#include "toolkit/RtfReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_map>

std::string RtfParagraph::Text() const
{
    std::string text;
    for (const RtfRun& run : runs)
        text += run.text;
    return text;
}

namespace {

// Deeper groups are read as if their braces were not there, so a hostile file
// cannot make the state stack grow without bound.
constexpr size_t kMaxGroupDepth = 1000;
// No control word is this long; longer letter sequences are read but unknown.
constexpr size_t kMaxWordLength = 32;
constexpr int kDefaultHalfPoints = 24;
// Word's largest font size, 1638 pt.
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxUnicodeSkip = 255;
constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 bytes 0x80..0x9F; the five holes become U+FFFD.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

char32_t FromCp1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kCp1252High[byte - 0x80];
    return byte;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Destinations whose content is never shown: document properties, styles,
// pictures, embedded objects, headers and footers, field instructions, ...
bool IsSkippedDestination(std::string_view word)
{
    static constexpr std::string_view kSkipped[] = {
        "info", "stylesheet", "pict", "object", "objdata", "header", "headerl", "headerr",
        "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "annotation",
        "fldinst", "xe", "tc", "txe", "rxe", "filetbl", "listtable", "listoverridetable",
        "revtbl", "rsidtbl", "generator", "themedata", "colorschememapping", "latentstyles",
        "datastore", "xmlnstbl", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc",
        "aftncn", "panose", "falt", "fname", "bkmkstart", "bkmkend", "nonshppict", "shppict",
        "template", "userprops", "docvar", "mmathPr",
    };
    return std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped);
}

enum class Destination { Body, FontTable, ColorTable, Skip };

// Everything a group saves and restores.
struct GroupState {
    Destination destination = Destination::Body;
    std::optional<int> font;  // unset: the document's default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int color = -1;  // no \cf: the viewer's default colour
    int unicodeSkip = 1;  // \uc
};

class Parser {
public:
    explicit Parser(std::string_view input) : FInput(input) {}

    RtfDocumentModel Parse()
    {
        while (FPos < FInput.size()) {
            const char c = FInput[FPos++];
            switch (c) {
            case '{':
                OpenGroup();
                break;
            case '}':
                CloseGroup();
                break;
            case '\\':
                ControlSequence();
                break;
            case '\r':
            case '\n':
                // Line breaks in the file only wrap the source text.
                break;
            default:
                if (!ConsumeFallbackChar())
                    EmitByte(static_cast<unsigned char>(c));
                break;
            }
        }
        Finish();
        return std::move(FModel);
    }

private:
    std::string_view FInput;
    size_t FPos = 0;
    RtfDocumentModel FModel;
    GroupState FState;
    std::vector<GroupState> FSaved;
    size_t FFlattenedGroups = 0;
    // Characters still to drop after \uN: the plain-text stand-in for readers
    // that do not know Unicode.
    int FFallbackLeft = 0;
    char16_t FHighSurrogate = 0;
    std::optional<int> FDefaultFont;

    RtfParagraph FParagraph;
    // The last run of FParagraph has the current format; saves rebuilding and
    // comparing the format for every character.
    bool FLastRunCurrent = false;
    RtfCharFormat FFormat;
    bool FFormatDirty = true;

    std::optional<RtfFont> FPendingFont;
    // Font number to its place in FModel.fonts: a format change looks its font
    // up in constant time, however long the table.
    std::unordered_map<int, size_t> FFontByNumber;
    RtfColor FPendingColor;

    // --- groups -------------------------------------------------------------

    void OpenGroup()
    {
        FFallbackLeft = 0;
        FlushHighSurrogate();
        if (FSaved.size() >= kMaxGroupDepth) {
            ++FFlattenedGroups;
            return;
        }
        FSaved.push_back(FState);
    }

    void CloseGroup()
    {
        FFallbackLeft = 0;
        FlushHighSurrogate();
        if (FFlattenedGroups > 0) {
            --FFlattenedGroups;
            return;
        }
        if (FSaved.empty())
            return;  // unbalanced '}'
        const Destination leaving = FState.destination;
        FState = FSaved.back();
        FSaved.pop_back();
        StateChanged();
        if (leaving == Destination::FontTable && FState.destination != Destination::FontTable)
            CommitFont();
        if (leaving == Destination::ColorTable && FState.destination != Destination::ColorTable
            && !FPendingColor.isAuto)
            CommitColor();
    }

    void StateChanged()
    {
        FFormatDirty = true;
        FLastRunCurrent = false;
    }

    // --- lexing -------------------------------------------------------------

    void ControlSequence()
    {
        if (FPos >= FInput.size())
            return;  // a lone backslash ends the input
        const char c = FInput[FPos];
        if (IsLetter(c)) {
            ControlWord();
            return;
        }
        ++FPos;
        switch (c) {
        case '\'': {
            int value = 0;
            int digits = 0;
            while (digits < 2 && FPos < FInput.size() && HexValue(FInput[FPos]) >= 0) {
                value = value * 16 + HexValue(FInput[FPos]);
                ++FPos;
                ++digits;
            }
            if (digits == 2 && !ConsumeFallbackChar())
                EmitByte(static_cast<unsigned char>(value));
            break;
        }
        case '*':
            // Marks a destination this reader may not know: all of it is optional.
            FState.destination = Destination::Skip;
            break;
        case '\\':
        case '{':
        case '}':
            if (!ConsumeFallbackChar())
                EmitCodepoint(static_cast<unsigned char>(c));
            break;
        case '~':
            if (!ConsumeFallbackChar())
                EmitCodepoint(0x00A0);
            break;
        case '-':
            // Optional hyphen: Qt shows U+00AD only where it breaks a line.
            if (!ConsumeFallbackChar())
                EmitCodepoint(0x00AD);
            break;
        case '_':
            if (!ConsumeFallbackChar())
                EmitCodepoint(0x2011);
            break;
        case '\r':
        case '\n':
            // A backslash before a line break is the old spelling of \par.
            if (!ConsumeFallbackChar())
                ParagraphBreak();
            break;
        default:
            ConsumeFallbackChar();
            break;
        }
    }

    void ControlWord()
    {
        const size_t start = FPos;
        while (FPos < FInput.size() && IsLetter(FInput[FPos]))
            ++FPos;
        std::string_view word = FInput.substr(start, FPos - start);
        if (word.size() > kMaxWordLength)
            word = {};

        // RTF parameters are signed 32-bit; longer digit strings saturate.
        bool hasParam = false;
        int param = 0;
        bool negative = false;
        if (FPos + 1 < FInput.size() && FInput[FPos] == '-' && IsDigit(FInput[FPos + 1])) {
            negative = true;
            ++FPos;
        }
        if (FPos < FInput.size() && IsDigit(FInput[FPos])) {
            hasParam = true;
            int64_t value = 0;
            constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
            while (FPos < FInput.size() && IsDigit(FInput[FPos])) {
                value = std::min(kLimit, value * 10 + (FInput[FPos] - '0'));
                ++FPos;
            }
            if (negative)
                value = -value;
            param = static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                         std::numeric_limits<int32_t>::max()));
        }
        if (FPos < FInput.size() && FInput[FPos] == ' ')
            ++FPos;  // the delimiting space belongs to the word

        if (word == "bin") {
            // Raw bytes follow, braces and backslashes included.
            const size_t count = hasParam && param > 0 ? static_cast<size_t>(param) : 0;
            FPos += std::min(count, FInput.size() - FPos);
            ConsumeFallbackChar();
            return;
        }
        if (ConsumeFallbackChar())
            return;

        // Unicode escapes can appear in font names as well as in the text.
        if (word == "u") {
            if (!hasParam)
                return;
            // Values above 32767 are written negative.
            EmitUnicodeParam(param < 0 ? int64_t{param} + 65536 : param);
            FFallbackLeft = FState.unicodeSkip;
            return;
        }
        if (word == "uc") {
            FState.unicodeSkip = hasParam ? std::clamp(param, 0, kMaxUnicodeSkip) : 1;
            return;
        }

        switch (FState.destination) {
        case Destination::Body:
            BodyWord(word, hasParam, param);
            break;
        case Destination::FontTable:
            FontTableWord(word, hasParam, param);
            break;
        case Destination::ColorTable:
            ColorTableWord(word, param);
            break;
        case Destination::Skip:
            break;
        }
    }

    // Drops one character of the \uN stand-in text when one is pending.
    bool ConsumeFallbackChar()
    {
        if (FFallbackLeft <= 0)
            return false;
        --FFallbackLeft;
        return true;
    }

    // --- control words ------------------------------------------------------

    void BodyWord(std::string_view word, bool hasParam, int param)
    {
        const bool on = !hasParam || param != 0;
        if (word == "par" || word == "page" || word == "sect" || word == "row") {
            ParagraphBreak();
        } else if (word == "line") {
            EmitCodepoint(0x2028);
        } else if (word == "tab" || word == "cell") {
            EmitCodepoint('\t');
        } else if (word == "emdash") {
            EmitCodepoint(0x2014);
        } else if (word == "endash") {
            EmitCodepoint(0x2013);
        } else if (word == "bullet") {
            EmitCodepoint(0x2022);
        } else if (word == "lquote") {
            EmitCodepoint(0x2018);
        } else if (word == "rquote") {
            EmitCodepoint(0x2019);
        } else if (word == "ldblquote") {
            EmitCodepoint(0x201C);
        } else if (word == "rdblquote") {
            EmitCodepoint(0x201D);
        } else if (word == "emspace") {
            EmitCodepoint(0x2003);
        } else if (word == "enspace") {
            EmitCodepoint(0x2002);
        } else if (word == "b") {
            SetFlag(FState.bold, on);
        } else if (word == "i") {
            SetFlag(FState.italic, on);
        } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw"
                   || word == "ulth" || word == "uldash" || word == "ulwave") {
            SetFlag(FState.underline, on);
        } else if (word == "ulnone") {
            SetFlag(FState.underline, false);
        } else if (word == "f") {
            FState.font = hasParam ? param : 0;
            StateChanged();
        } else if (word == "fs") {
            FState.halfPoints = hasParam && param > 0 ? std::min(param, kMaxHalfPoints) : kDefaultHalfPoints;
            StateChanged();
        } else if (word == "cf") {
            FState.color = hasParam ? param : 0;
            StateChanged();
        } else if (word == "plain") {
            FState.font.reset();
            FState.halfPoints = kDefaultHalfPoints;
            FState.bold = FState.italic = FState.underline = false;
            FState.color = -1;
            StateChanged();
        } else if (word == "deff") {
            if (!FDefaultFont)
                FDefaultFont = hasParam ? param : 0;
            StateChanged();
        } else if (word == "fonttbl") {
            FState.destination = Destination::FontTable;
        } else if (word == "colortbl") {
            FState.destination = Destination::ColorTable;
            FPendingColor = RtfColor{};
        } else if (IsSkippedDestination(word)) {
            FState.destination = Destination::Skip;
        }
        // \pard resets paragraph properties, none of which are kept; other
        // words (\rtf1, \ansi, \viewkind, ...) carry nothing shown here.
    }

    void SetFlag(bool& flag, bool on)
    {
        flag = on;
        StateChanged();
    }

    void FontTableWord(std::string_view word, bool hasParam, int param)
    {
        if (word == "f") {
            CommitFont();
            FPendingFont = RtfFont{};
            FPendingFont->number = hasParam ? param : 0;
        } else if (word == "fnil" || word == "froman" || word == "fswiss" || word == "fmodern"
                   || word == "fscript" || word == "fdecor" || word == "ftech" || word == "fbidi") {
            PendingFont().family = std::string(word.substr(1));
        } else if (word == "fprq") {
            PendingFont().pitch = param;
        } else if (word == "fcharset") {
            PendingFont().charset = param;
        } else if (IsSkippedDestination(word)) {
            FState.destination = Destination::Skip;
        }
    }

    RtfFont& PendingFont()
    {
        if (!FPendingFont)
            FPendingFont = RtfFont{};
        return *FPendingFont;
    }

    void CommitFont()
    {
        if (!FPendingFont)
            return;
        RtfFont font = std::move(*FPendingFont);
        FPendingFont.reset();
        const size_t first = font.name.find_first_not_of(' ');
        const size_t last = font.name.find_last_not_of(' ');
        font.name = first == std::string::npos ? std::string() : font.name.substr(first, last - first + 1);
        // A later definition of the same number wins.
        FFontByNumber[font.number] = FModel.fonts.size();
        FModel.fonts.push_back(std::move(font));
        StateChanged();
    }

    void ColorTableWord(std::string_view word, int param)
    {
        const auto component = static_cast<uint8_t>(std::clamp(param, 0, 255));
        if (word == "red")
            FPendingColor.r = component;
        else if (word == "green")
            FPendingColor.g = component;
        else if (word == "blue")
            FPendingColor.b = component;
        else
            return;
        FPendingColor.isAuto = false;
    }

    void CommitColor()
    {
        FModel.colors.push_back(FPendingColor);
        FPendingColor = RtfColor{};
        StateChanged();
    }

    // --- text ---------------------------------------------------------------

    void EmitByte(unsigned char byte)
    {
        EmitCodepoint(FromCp1252(byte));
    }

    void EmitUnicodeParam(int64_t value)
    {
        if (value < 0 || value > 0x10FFFF) {
            EmitCodepoint(kReplacement);
        } else if (value >= 0xD800 && value <= 0xDBFF) {
            FlushHighSurrogate();
            FHighSurrogate = static_cast<char16_t>(value);
        } else if (value >= 0xDC00 && value <= 0xDFFF) {
            if (FHighSurrogate == 0) {
                EmitCodepoint(kReplacement);
                return;
            }
            const char32_t cp = 0x10000 + ((char32_t{FHighSurrogate} - 0xD800) << 10) + (value - 0xDC00);
            FHighSurrogate = 0;
            EmitCodepoint(cp);
        } else {
            EmitCodepoint(static_cast<char32_t>(value));
        }
    }

    void FlushHighSurrogate()
    {
        if (FHighSurrogate == 0)
            return;
        FHighSurrogate = 0;
        EmitCodepoint(kReplacement);
    }

    void EmitCodepoint(char32_t cp)
    {
        FlushHighSurrogate();
        // Keep the text safe for a QTextDocument: no control characters that
        // would start blocks, no characters it reserves for frames.
        if ((cp < 0x20 && cp != '\t') || (cp >= 0x7F && cp < 0xA0))
            return;
        if (cp == 0x2029)
            cp = 0x2028;
        if ((cp >= 0xD800 && cp <= 0xDFFF) || (cp >= 0xFDD0 && cp <= 0xFDEF) || (cp & 0xFFFE) == 0xFFFE
            || cp > 0x10FFFF)
            cp = kReplacement;

        switch (FState.destination) {
        case Destination::Body:
            AppendText(cp);
            break;
        case Destination::FontTable:
            if (cp == ';')
                CommitFont();
            else if (FPendingFont || cp != ' ')  // spaces between entries are not a font
                AppendUtf8(PendingFont().name, cp);
            break;
        case Destination::ColorTable:
            if (cp == ';')
                CommitColor();
            break;
        case Destination::Skip:
            break;
        }
    }

    const RtfCharFormat& CurrentFormat()
    {
        if (!FFormatDirty)
            return FFormat;
        FFormatDirty = false;
        FFormat = RtfCharFormat{};
        FFormat.halfPoints = FState.halfPoints;
        FFormat.bold = FState.bold;
        FFormat.italic = FState.italic;
        FFormat.underline = FState.underline;
        const std::optional<int> font = FState.font ? FState.font : FDefaultFont;
        if (font) {
            const auto it = FFontByNumber.find(*font);
            if (it != FFontByNumber.end())
                FFormat.fontName = FModel.fonts[it->second].name;
        }
        if (FState.color >= 0 && static_cast<size_t>(FState.color) < FModel.colors.size()) {
            const RtfColor& color = FModel.colors[static_cast<size_t>(FState.color)];
            if (!color.isAuto) {
                FFormat.hasColor = true;
                FFormat.r = color.r;
                FFormat.g = color.g;
                FFormat.b = color.b;
            }
        }
        return FFormat;
    }

    void AppendText(char32_t cp)
    {
        if (!FLastRunCurrent) {
            const RtfCharFormat& format = CurrentFormat();
            if (FParagraph.runs.empty() || !(FParagraph.runs.back().format == format))
                FParagraph.runs.push_back(RtfRun{std::string(), format});
            FLastRunCurrent = true;
        }
        AppendUtf8(FParagraph.runs.back().text, cp);
    }

    void ParagraphBreak()
    {
        if (FState.destination != Destination::Body)
            return;
        FlushHighSurrogate();
        FParagraph.markFormat = CurrentFormat();
        FModel.paragraphs.push_back(std::move(FParagraph));
        FParagraph = RtfParagraph{};
        FLastRunCurrent = false;
    }

    void Finish()
    {
        FlushHighSurrogate();
        // A file cut short inside a table still keeps what it defined.
        CommitFont();
        if (!FPendingColor.isAuto)
            CommitColor();
        if (!FParagraph.runs.empty()) {
            FParagraph.markFormat = FParagraph.runs.back().format;
            FModel.paragraphs.push_back(std::move(FParagraph));
        }
    }
};

}  // namespace

RtfDocumentModel ParseRtf(std::string_view rtf)
{
    return Parser(rtf).Parse();
}
