// Malformed and hostile input: the reader must always finish, stay inside the
// input and hand back a well-formed model.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "toolkit/RtfReader.h"

namespace rtftest {
std::string HelpSampleRtf();  // RtfSample.cpp
}

namespace {

std::vector<std::string> Texts(const RtfDocumentModel& model)
{
    std::vector<std::string> texts;
    for (const RtfParagraph& paragraph : model.paragraphs)
        texts.push_back(paragraph.Text());
    return texts;
}

bool IsValidUtf8(const std::string& s)
{
    size_t i = 0;
    while (i < s.size()) {
        const auto lead = static_cast<unsigned char>(s[i]);
        size_t length = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            length = 1;
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            cp = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > s.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        const char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < minimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// What every parse must give, whatever the input: runs that carry text, in
// valid UTF-8 free of line-breaking control characters, with sane sizes, and
// no two neighbours of the same format.
void ExpectWellFormed(const RtfDocumentModel& model)
{
    for (const RtfParagraph& paragraph : model.paragraphs) {
        for (size_t i = 0; i < paragraph.runs.size(); ++i) {
            const RtfRun& run = paragraph.runs[i];
            ASSERT_FALSE(run.text.empty());
            ASSERT_TRUE(IsValidUtf8(run.text));
            for (char c : run.text) {
                ASSERT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\t');
            }
            ASSERT_GE(run.format.halfPoints, 1);
            ASSERT_LE(run.format.halfPoints, 3276);
            if (i > 0) {
                ASSERT_FALSE(run.format == paragraph.runs[i - 1].format);
            }
        }
    }
    for (const RtfFont& font : model.fonts) {
        ASSERT_TRUE(IsValidUtf8(font.name));
    }
}

TEST(RtfRobustness, UnbalancedBraces)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"{\\rtf1 A}}}B", {"AB"}},
        {"}}}{\\rtf1 A}", {"A"}},
        {"{\\rtf1 {\\b A", {"A"}},
        {"{\\rtf1 {{{{A\\par B", {"A", "B"}},
        {"{\\rtf1 A}}\\par{B", {"A", "B"}},
        {"A", {"A"}},
    };
    for (const auto& [rtf, expected] : cases) {
        SCOPED_TRACE(rtf);
        const RtfDocumentModel model = ParseRtf(rtf);
        ExpectWellFormed(model);
        EXPECT_EQ(Texts(model), expected);
    }
}

TEST(RtfRobustness, ExtraClosingBraceDoesNotLeakFormatting)
{
    const RtfDocumentModel model = ParseRtf("{\\rtf1 {\\b A}}}B}");
    ASSERT_EQ(model.paragraphs.size(), 1u);
    ASSERT_EQ(model.paragraphs[0].runs.size(), 2u);
    EXPECT_TRUE(model.paragraphs[0].runs[0].format.bold);
    EXPECT_FALSE(model.paragraphs[0].runs[1].format.bold);
}

TEST(RtfRobustness, TruncatedInput)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"\\", {}},
        {"{", {}},
        {"{\\rtf1 A\\", {"A"}},
        {"{\\rtf1 A\\fs", {"A"}},
        {"{\\rtf1 A\\fs-", {"A-"}},  // '-' without digits is text
        {"{\\rtf1 A\\'", {"A"}},
        {"{\\rtf1 A\\'4", {"A"}},
        {"{\\rtf1 A\\'4x", {"Ax"}},
        {"{\\rtf1 A\\u", {"A"}},
        {"{\\rtf1 A\\u-", {"A-"}},
        {"{\\rtf1 A\\u233", {"A\u00E9"}},
        {"{\\rtf1 A\\u-10179", {"A\uFFFD"}},
        {"{\\rtf1 A\\bin", {"A"}},
        {"{\\rtf1 A\\bin9 xy", {"A"}},
        {"{\\rtf1{\\fonttbl{\\f0 Ari", {}},
        {"{\\rtf1{\\colortbl\\red9", {}},
    };
    for (const auto& [rtf, expected] : cases) {
        SCOPED_TRACE(rtf);
        const RtfDocumentModel model = ParseRtf(rtf);
        ExpectWellFormed(model);
        EXPECT_EQ(Texts(model), expected);
    }
}

TEST(RtfRobustness, TablesCutShortKeepTheirEntries)
{
    const RtfDocumentModel fonts = ParseRtf("{\\rtf1{\\fonttbl{\\f3 Ari");
    ASSERT_EQ(fonts.fonts.size(), 1u);
    EXPECT_EQ(fonts.fonts[0].number, 3);
    EXPECT_EQ(fonts.fonts[0].name, "Ari");
    const RtfDocumentModel colors = ParseRtf("{\\rtf1{\\colortbl\\red9");
    ASSERT_EQ(colors.colors.size(), 1u);
    EXPECT_EQ(colors.colors[0], (RtfColor{false, 9, 0, 0}));
}

TEST(RtfRobustness, HugeParametersAreClamped)
{
    struct Case {
        std::string body;
        std::string text;
        int halfPoints;
        bool hasColor;
    };
    const std::vector<Case> cases = {
        {"\\fs99999999999999999999999999 A", "A", 3276, true},
        {"\\fs2147483647 A", "A", 3276, true},
        {"\\fs-2147483648 A", "A", 24, true},
        {"\\fs-99999999999999999 A", "A", 24, true},
        {"\\cf2147483647 A", "A", 24, false},
        {"\\cf4294967296 A", "A", 24, false},
        {"\\cf-2147483649 A", "A", 24, false},
        {"\\f99999999999 A", "A", 24, true},
        {"\\uc2147483647\\u65 BCD", "A", 24, true},
        {"\\u2147483647 A", "\uFFFD", 24, true},
        {"\\u-2147483648 A", "\uFFFD", 24, true},
        {"\\bin99999999999 xyz", "", 24, true},
        {"\\bin-5 A", "A", 24, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        const RtfDocumentModel model =
            ParseRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl\\red1\\green2\\blue3;}\\cf0 " + c.body + "}");
        ExpectWellFormed(model);
        if (c.text.empty()) {
            EXPECT_TRUE(model.paragraphs.empty());
            continue;
        }
        ASSERT_EQ(model.paragraphs.size(), 1u);
        ASSERT_EQ(model.paragraphs[0].runs.size(), 1u);
        EXPECT_EQ(model.paragraphs[0].runs[0].text, c.text);
        EXPECT_EQ(model.paragraphs[0].runs[0].format.halfPoints, c.halfPoints);
        EXPECT_EQ(model.paragraphs[0].runs[0].format.hasColor, c.hasColor);
    }
}

TEST(RtfRobustness, DeepNestingIsFlattened)
{
    const size_t depth = 200000;
    const std::string rtf = "{\\rtf1 " + std::string(depth, '{') + "\\b X" + std::string(depth, '}') + "Y}";
    const RtfDocumentModel model = ParseRtf(rtf);
    ExpectWellFormed(model);
    ASSERT_EQ(model.paragraphs.size(), 1u);
    const std::vector<RtfRun>& runs = model.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, "X");
    EXPECT_TRUE(runs[0].format.bold);
    // Once the outer groups close, the state from before them is back.
    EXPECT_EQ(runs[1].text, "Y");
    EXPECT_FALSE(runs[1].format.bold);
}

TEST(RtfRobustness, DeeplyNestedSkippedDestination)
{
    const size_t depth = 5000;
    const std::string rtf = "{\\rtf1 A{\\*\\x " + std::string(depth, '{') + "hidden" + std::string(depth, '}') + "}B}";
    EXPECT_EQ(Texts(ParseRtf(rtf)), std::vector<std::string>{"AB"});
}

TEST(RtfRobustness, RandomMutationsOfTheHelpText)
{
    const std::string sample = rtftest::HelpSampleRtf();
    const std::string alphabet = "{}\\'*;- 0123456789abcdefubinparfs\r\n";
    std::mt19937 random(20240611);
    auto pick = [&random](size_t bound) { return std::uniform_int_distribution<size_t>(0, bound - 1)(random); };

    size_t paragraphs = 0;
    for (int iteration = 0; iteration < 4000; ++iteration) {
        std::string rtf = sample;
        const size_t mutations = 1 + pick(4);
        for (size_t m = 0; m < mutations && !rtf.empty(); ++m) {
            const size_t at = pick(rtf.size());
            switch (pick(6)) {
            case 0:
                rtf.insert(at, 1, alphabet[pick(alphabet.size())]);
                break;
            case 1:
                rtf[at] = static_cast<char>(pick(256));
                break;
            case 2:
                rtf.erase(at, 1 + pick(20));
                break;
            case 3:
                rtf.resize(at);
                break;
            case 4:
                rtf.insert(at, rtf.substr(pick(rtf.size()), 1 + pick(40)));
                break;
            default:
                rtf.insert(at, "\\bin" + std::to_string(pick(100000)) + " ");
                break;
            }
        }
        SCOPED_TRACE(rtf);
        const RtfDocumentModel model = ParseRtf(rtf);
        ExpectWellFormed(model);
        if (HasFatalFailure())
            return;
        paragraphs += model.paragraphs.size();
    }
    // Most mutations leave most of the text readable.
    EXPECT_GT(paragraphs, 4000u * 5);
}

TEST(RtfRobustness, RandomBytes)
{
    std::mt19937 random(7);
    for (int iteration = 0; iteration < 2000; ++iteration) {
        std::string rtf(std::uniform_int_distribution<size_t>(0, 200)(random), '\0');
        for (char& c : rtf)
            c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
        SCOPED_TRACE(::testing::PrintToString(rtf));
        ExpectWellFormed(ParseRtf(rtf));
        if (HasFatalFailure())
            return;
    }
}

}  // namespace
