#include "SetupCtrls/supporter/HelpDocument.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace {

const char* const CRLF = "\r\n";

// Code page 1252 bytes 0x80..0x9F; 0 marks the five unassigned ones.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

// The code page 1252 byte for a character beyond ASCII, or -1.
int Cp1252Byte(char32_t cp)
{
    if (cp >= 0xA0 && cp <= 0xFF)
        return int(cp);
    for (size_t i = 0; i < kCp1252High.size(); ++i)
        if (kCp1252High[i] != 0 && kCp1252High[i] == cp)
            return int(0x80 + i);
    return -1;
}

// Decodes one UTF-8 sequence at pos; false (and pos untouched) when the bytes
// there do not form a valid, shortest-form sequence.
bool DecodeUtf8(const std::string& s, size_t& pos, char32_t& cp)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    size_t length;
    char32_t value;
    if (lead < 0x80)
        length = 1, value = lead;
    else if ((lead & 0xE0) == 0xC0)
        length = 2, value = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, value = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, value = lead & 0x07;
    else
        return false;
    if (pos + length > s.size())
        return false;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return false;
        value = (value << 6) | (byte(pos + i) & 0x3F);
    }
    static constexpr char32_t kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kMinimum[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return false;
    pos += length;
    cp = value;
    return true;
}

void AppendHexByte(std::string& out, int byte)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\'%02x", byte & 0xFF);
    out += buf;
}

// RTF's \u takes a signed 16-bit number.
void AppendUnicodeUnit(std::string& out, int unit)
{
    out += "\\u" + std::to_string(unit > 32767 ? unit - 65536 : unit) + "?";
}

void AppendCharacter(std::string& out, char32_t cp)
{
    if (cp == '\\' || cp == '{' || cp == '}') {
        out += '\\';
        out += char(cp);
    } else if (cp == '\t') {
        out += "\\tab ";
    } else if (cp < 0x20 || cp == 0x7F) {
        // A line break or other control character inside a name would break
        // the title's line; a space keeps the words apart.
        out += ' ';
    } else if (cp < 0x80) {
        out += char(cp);
    } else if (int b = Cp1252Byte(cp); b >= 0) {
        AppendHexByte(out, b);
    } else if (cp > 0xFFFF) {
        const char32_t v = cp - 0x10000;
        AppendUnicodeUnit(out, int(0xD800 + (v >> 10)));
        AppendUnicodeUnit(out, int(0xDC00 + (v & 0x3FF)));
    } else {
        AppendUnicodeUnit(out, int(cp));
    }
}

} // namespace

std::string RtfEscapeText(const std::string& utf8)
{
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp;
        if (DecodeUtf8(utf8, pos, cp)) {
            AppendCharacter(out, cp);
            continue;
        }
        const unsigned char raw = static_cast<unsigned char>(utf8[pos++]);
        if (raw >= 0x80 && raw <= 0x9F && kCp1252High[raw - 0x80] == 0)
            AppendCharacter(out, 0xFFFD);
        else
            AppendHexByte(out, raw);
    }
    return out;
}

std::string BuildHelpDocument(const THelpDocumentValues& values)
{
    const std::string company = RtfEscapeText(values.CompanyName);
    const std::string card = RtfEscapeText(values.CardName);
    std::string rtf;
    rtf += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}"
           "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;\\red255\\green64\\blue64;}"
           "\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0";
    rtf += CRLF;
    rtf += "{\\b ";
    rtf += company;
    rtf += " ";
    rtf += card;
    if (values.bSeries)
        rtf += " Series";
    rtf += std::string(" Settings Program}\\par\\par\\fs24") + CRLF;
    rtf += std::string("This program will help you configure the option jumpers and settings associated with this "
                       "product. You should have the product in-hand when first using this program.\\par\\par") + CRLF;
    rtf += std::string("{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and switches.\\par\\par") + CRLF;
    rtf += std::string("{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on standard and "
                       "optional features of the product family.\\par\\par") + CRLF;
    rtf += "{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require actually "
           "controlling the hardware device. Run this settings program again once the card is installed. ";
    rtf += std::string("Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then "
                       "perform the {\\cf3 calibration circles}.\\par\\par") + CRLF;
    rtf += "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, "
           "{\\cf2 features}, and {\\cf3 calibration}. Click a highlight circle to make its popup remain on-screen. ";
    rtf += std::string("You can have all or as many of these popups onscreen at the same time as you desire.\\par\\par") + CRLF;
    if (values.MultiPort) {
        rtf += "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the configuration "
               "options for each port are handled identically; ";
        rtf += std::string("this program only shows the setup once, but you need to perform this setup for each "
                           "group of options on your device.\\par\\par") + CRLF;
    }
    if (values.CardListOffered) {
        rtf += "To see a list of ";
        rtf += card;
        rtf += " cards installed, click \"Display ";
        rtf += card;
        rtf += std::string(" Cards Installed\" under the File menu.\\par\\par") + CRLF;
    }
    rtf += "}";
    return rtf;
}
