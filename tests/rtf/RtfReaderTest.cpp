// What the RTF reader makes of well-formed input: the help text itself, then
// each construct on its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/RtfReader.h"

namespace rtftest {
std::string HelpSampleRtf();  // RtfSample.cpp
}

namespace {

std::string Doc(const std::string& body)
{
    return "{\\rtf1\\ansi " + body + "}";
}

std::vector<std::string> Texts(const RtfDocumentModel& model)
{
    std::vector<std::string> texts;
    for (const RtfParagraph& paragraph : model.paragraphs)
        texts.push_back(paragraph.Text());
    return texts;
}

struct ExpectedRun {
    std::string text;
    bool bold;
    int halfPoints;
    uint8_t r, g, b;
};

TEST(RtfReader, HelpTextParagraphs)
{
    const RtfDocumentModel model = ParseRtf(rtftest::HelpSampleRtf());
    const std::vector<std::string> expected = {
        "NORVEL LX-4410 Series Settings Program",
        "",
        "This program will help you set up the board before it goes into the machine.",
        "",
        "Yellow circles provide information on configuring jumpers and switches.",
        "",
        "Blue circles show the factory default position of each jumper.",
        "",
        "Red circles mark settings that conflict with another option.",
        "",
        "Click one of the setup circles to see the choices for that option group.",
        "",
        "Note: Make sure to set the jumpers for each option group \u2014 the configuration options are "
        "not stored on the board; this program only shows where they go.",
        "",
    };
    EXPECT_EQ(Texts(model), expected);
}

TEST(RtfReader, HelpTextRunFormats)
{
    const RtfDocumentModel model = ParseRtf(rtftest::HelpSampleRtf());
    ASSERT_EQ(model.paragraphs.size(), 14u);
    // Every paragraph with text, run by run.
    const std::vector<std::pair<size_t, std::vector<ExpectedRun>>> expected = {
        {0, {{"NORVEL LX-4410 Series Settings Program", true, 32, 64, 64, 64}}},
        {2, {{"This program will help you set up the board before it goes into the machine.", false, 24, 64, 64, 64}}},
        {4,
         {{"Yellow circles", true, 24, 255, 255, 64},
          {" provide information on configuring jumpers and switches.", false, 24, 64, 64, 64}}},
        {6,
         {{"Blue circles", true, 24, 64, 64, 255},
          {" show the factory default position of each jumper.", false, 24, 64, 64, 64}}},
        {8,
         {{"Red circles", true, 24, 255, 64, 64},
          {" mark settings that conflict with another option.", false, 24, 64, 64, 64}}},
        {10,
         {{"Click one of the ", false, 24, 64, 64, 64},
          {"setup circles", false, 24, 255, 255, 64},
          {" to see the choices for that option group.", false, 24, 64, 64, 64}}},
        {12,
         {{"Note:", true, 32, 64, 64, 64},
          {" Make sure to set the jumpers for each option group \u2014 the configuration options are not "
           "stored on the board; this program only shows where they go.",
           false, 24, 64, 64, 64}}},
    };
    for (const auto& [index, runs] : expected) {
        SCOPED_TRACE("paragraph " + std::to_string(index));
        const RtfParagraph& paragraph = model.paragraphs[index];
        ASSERT_EQ(paragraph.runs.size(), runs.size());
        for (size_t i = 0; i < runs.size(); ++i) {
            const RtfRun& run = paragraph.runs[i];
            EXPECT_EQ(run.text, runs[i].text);
            EXPECT_EQ(run.format.bold, runs[i].bold) << run.text;
            EXPECT_EQ(run.format.halfPoints, runs[i].halfPoints) << run.text;
            EXPECT_TRUE(run.format.hasColor) << run.text;
            EXPECT_EQ(run.format.r, runs[i].r) << run.text;
            EXPECT_EQ(run.format.g, runs[i].g) << run.text;
            EXPECT_EQ(run.format.b, runs[i].b) << run.text;
            EXPECT_EQ(run.format.fontName, "Verdana");
            EXPECT_FALSE(run.format.italic);
            EXPECT_FALSE(run.format.underline);
        }
    }
}

TEST(RtfReader, HelpTextBlankLinesKeepTheSizeAtTheirMark)
{
    const RtfDocumentModel model = ParseRtf(rtftest::HelpSampleRtf());
    ASSERT_EQ(model.paragraphs.size(), 14u);
    // The blank line after the title still has the title's \fs32; \fs24 follows it.
    EXPECT_TRUE(model.paragraphs[1].runs.empty());
    EXPECT_EQ(model.paragraphs[1].markFormat.halfPoints, 32);
    EXPECT_FALSE(model.paragraphs[1].markFormat.bold);
    EXPECT_EQ(model.paragraphs[3].markFormat.halfPoints, 24);
    EXPECT_EQ(model.paragraphs[0].markFormat.halfPoints, 32);
}

TEST(RtfReader, HelpTextTables)
{
    const RtfDocumentModel model = ParseRtf(rtftest::HelpSampleRtf());
    ASSERT_EQ(model.fonts.size(), 1u);
    EXPECT_EQ(model.fonts[0].number, 0);
    EXPECT_EQ(model.fonts[0].family, "swiss");
    EXPECT_EQ(model.fonts[0].pitch, 2);
    EXPECT_EQ(model.fonts[0].charset, 0);
    EXPECT_EQ(model.fonts[0].name, "Verdana");
    // No leading auto entry: \cf0 is the first colour given.
    const std::vector<RtfColor> colors = {
        {false, 64, 64, 64}, {false, 255, 255, 64}, {false, 64, 64, 255}, {false, 255, 64, 64}};
    EXPECT_EQ(model.colors, colors);
}

TEST(RtfReader, EscapesAndSpecialCharacters)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a\\\\b", "a\\b"},
        {"\\{x\\}", "{x}"},
        {"a\\~b", "a\u00A0b"},
        {"co\\-op", "co\u00ADop"},
        {"x\\_y", "x\u2011y"},
        {"caf\\'e9 caf\\'E9", "caf\u00E9 caf\u00E9"},
        {"\\'80 5", "\u20AC 5"},
        {"\\'93q\\'94 \\'85", "\u201Cq\u201D \u2026"},
        {"\\'81", "\uFFFD"},
        {"x\\'0ay\\'00z", "xyz"},
        {"\\lquote a\\rquote  \\ldblquote b\\rdblquote", "\u2018a\u2019 \u201Cb\u201D"},
        {"a\\tab b\\line c", "a\tb\u2028c"},
        {"\\bullet  x\\endash y", "\u2022 x\u2013y"},
        {"group \\emdash  the", "group \u2014 the"},
        {"group\\emdash the", "group\u2014the"},
        {"a\\emspace b\\enspace c", "a\u2003b\u2002c"},
    };
    for (const auto& [body, expected] : cases) {
        SCOPED_TRACE(body);
        const RtfDocumentModel model = ParseRtf(Doc(body));
        ASSERT_EQ(model.paragraphs.size(), 1u);
        EXPECT_EQ(model.paragraphs[0].Text(), expected);
    }
}

TEST(RtfReader, UnicodeEscapesSkipTheirFallback)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"\\u8212?", "\u2014"},
        {"\\u-1279?", "\uFB01"},                            // written negative: 65536 - 1279
        {"\\uc2\\u233 xy z", "\u00E9 z"},                     // \uc2: two fallback characters
        {"\\uc0\\u233 x", "\u00E9x"},                         // \uc0: no fallback
        {"\\u233\\'e9x", "\u00E9x"},                          // a hex escape is one character
        {"\\u233\\emdash x", "\u00E9x"},                      // so is a control word
        {"\\uc3\\u233{x}y", "\u00E9xy"},                      // a brace ends the fallback early
        {"{\\uc0 }\\u233 x", "\u00E9"},                       // \uc is scoped to its group
        {"\\u-10179?\\u-8704?", "\U0001F600"},               // surrogate pair
        {"\\u-10179?x", "\uFFFDx"},                           // lone high surrogate
        {"\\u-8704?x", "\uFFFDx"},                            // lone low surrogate
        {"a\\u8233?b", "a\u2028b"},                           // paragraph separator stays in the line
        {"a\\u-1?b", "a\uFFFDb"},                             // U+FFFF is not a character
    };
    for (const auto& [body, expected] : cases) {
        SCOPED_TRACE(body);
        const RtfDocumentModel model = ParseRtf(Doc(body));
        ASSERT_EQ(model.paragraphs.size(), 1u);
        EXPECT_EQ(model.paragraphs[0].Text(), expected);
    }
}

TEST(RtfReader, CharacterFormatting)
{
    struct Run {
        std::string text;
        bool bold, italic, underline;
        int halfPoints;
    };
    const std::vector<std::pair<std::string, std::vector<Run>>> cases = {
        {"{\\b A}B", {{"A", true, false, false, 24}, {"B", false, false, false, 24}}},
        {"\\b A\\b0 B", {{"A", true, false, false, 24}, {"B", false, false, false, 24}}},
        {"\\i A\\i0 B", {{"A", false, true, false, 24}, {"B", false, false, false, 24}}},
        {"\\ul A\\ulnone B\\ul C\\ul0 D",
         {{"A", false, false, true, 24}, {"B", false, false, false, 24}, {"C", false, false, true, 24},
          {"D", false, false, false, 24}}},
        {"\\b\\i\\ul\\fs40 A\\plain B", {{"A", true, true, true, 40}, {"B", false, false, false, 24}}},
        {"\\fs40 A{\\fs20 B}C",
         {{"A", false, false, false, 40}, {"B", false, false, false, 20}, {"C", false, false, false, 40}}},
        {"\\fs30 A\\fs B\\fs30 C\\fs0 D",
         {{"A", false, false, false, 30}, {"B", false, false, false, 24}, {"C", false, false, false, 30},
          {"D", false, false, false, 24}}},
        // Runs with the same format merge, however the groups fall.
        {"{\\b A}{\\b B}", {{"AB", true, false, false, 24}}},
        {"A{}B{\\i0 C}\\b0 D", {{"ABCD", false, false, false, 24}}},
    };
    for (const auto& [body, runs] : cases) {
        SCOPED_TRACE(body);
        const RtfDocumentModel model = ParseRtf(Doc(body));
        ASSERT_EQ(model.paragraphs.size(), 1u);
        const std::vector<RtfRun>& actual = model.paragraphs[0].runs;
        ASSERT_EQ(actual.size(), runs.size());
        for (size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(actual[i].text, runs[i].text);
            EXPECT_EQ(actual[i].format.bold, runs[i].bold) << runs[i].text;
            EXPECT_EQ(actual[i].format.italic, runs[i].italic) << runs[i].text;
            EXPECT_EQ(actual[i].format.underline, runs[i].underline) << runs[i].text;
            EXPECT_EQ(actual[i].format.halfPoints, runs[i].halfPoints) << runs[i].text;
        }
    }
}

TEST(RtfReader, ParagraphBoundaries)
{
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"", {}},
        {"A", {"A"}},
        {"A\\par B", {"A", "B"}},
        {"A\\par", {"A"}},
        {"A\\par\\par", {"A", ""}},
        {"\\par A", {"", "A"}},
        {"A\r\nB\rC\nD", {"ABCD"}},
        {"A\\par\r\n", {"A"}},
        {"A\\\r\nB", {"A", "B"}},
        {"{\\b A\\par}B", {"A", "B"}},
        {"\\pard A\\par\\pard B", {"A", "B"}},
    };
    for (const auto& [body, expected] : cases) {
        SCOPED_TRACE(body);
        EXPECT_EQ(Texts(ParseRtf(Doc(body))), expected);
    }
}

TEST(RtfReader, DestinationsAreSkippedWhole)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{\\*\\generator Riched20 10.0.19041;}", "AB"},
        {"{\\*\\unknown {\\b nested} text\\par more}", "AB"},
        {"{\\info{\\title T}{\\doccomm x\\par y}}", "AB"},
        {"{\\stylesheet{\\s0 Normal;}{\\s1 Heading;}}", "AB"},
        {R"({\pict\wmetafile8\bin6 }}{\x\})", "AB"},  // binary bytes hold braces
        {"{\\header Page 1}{\\footerr Footer}", "AB"},
        {"{\\object{\\*\\objdata 0102}{\\result R}}", "AB"},
        {"{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}", "AlinkB"},
    };
    for (const auto& [dest, expected] : cases) {
        SCOPED_TRACE(dest);
        EXPECT_EQ(Texts(ParseRtf(Doc("A" + dest + "B"))), std::vector<std::string>{expected});
    }
}

TEST(RtfReader, FontTableForms)
{
    // Entries written flat, with embedded destinations, hex escapes and \deff.
    const RtfDocumentModel model = ParseRtf(
        "{\\rtf1\\deff1{\\fonttbl\\f0\\froman Times New Roman;\\f1\\fmodern Courier New;"
        "{\\f2\\fnil{\\*\\panose 020b0604}Tahoma{\\*\\falt Arial};} {\\f3 Caf\\'e9 Sans;}}"
        "A\\f0 B\\f2 C\\f3 D\\f7 E\\plain F}");
    ASSERT_EQ(model.fonts.size(), 4u);
    EXPECT_EQ(model.fonts[0].family, "roman");
    EXPECT_EQ(model.fonts[1].family, "modern");
    EXPECT_EQ(model.fonts[2].family, "nil");
    EXPECT_EQ(model.fonts[3].number, 3);
    ASSERT_EQ(model.paragraphs.size(), 1u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"A", "Courier New"}, {"B", "Times New Roman"}, {"C", "Tahoma"},
        {"D", "Caf\u00E9 Sans"}, {"E", ""}, {"F", "Courier New"},
    };
    const std::vector<RtfRun>& runs = model.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), expected.size());
    for (size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].text, expected[i].first);
        EXPECT_EQ(runs[i].format.fontName, expected[i].second) << expected[i].first;
    }
}

TEST(RtfReader, LaterDefinitionOfAFontNumberWins)
{
    const RtfDocumentModel model = ParseRtf(
        "{\\rtf1{\\fonttbl{\\f1 Arial;}{\\f2 Tahoma;}{\\f1 Verdana;}{\\f-3 Courier;}}"
        "\\f1 A\\f2 B\\f3 C\\f-3 D\\f1 E}");
    ASSERT_EQ(model.fonts.size(), 4u);
    ASSERT_EQ(model.paragraphs.size(), 1u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"A", "Verdana"}, {"B", "Tahoma"}, {"C", ""}, {"D", "Courier"}, {"E", "Verdana"},
    };
    const std::vector<RtfRun>& runs = model.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), expected.size());
    for (size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].text, expected[i].first);
        EXPECT_EQ(runs[i].format.fontName, expected[i].second) << expected[i].first;
    }
}

TEST(RtfReader, TextWithoutFontOrDefaultHasNoFontName)
{
    const RtfDocumentModel model = ParseRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}A}");
    ASSERT_EQ(model.paragraphs.size(), 1u);
    ASSERT_EQ(model.paragraphs[0].runs.size(), 1u);
    EXPECT_EQ(model.paragraphs[0].runs[0].format.fontName, "");
}

TEST(RtfReader, ColourTableWithAutoEntry)
{
    const RtfDocumentModel model = ParseRtf(
        "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red999\\green-4\\blue128;}"
        "\\cf0 A\\cf1 B\\cf2 C\\cf3 D\\cf-1 E\\cf1 F\\plain G}");
    const std::vector<RtfColor> colors = {{true, 0, 0, 0}, {false, 255, 0, 0}, {false, 255, 0, 128}};
    EXPECT_EQ(model.colors, colors);
    ASSERT_EQ(model.paragraphs.size(), 1u);
    struct Expected {
        std::string text;
        bool hasColor;
        uint8_t r, g, b;
    };
    // Auto entries and indexes outside the table fall back to the default colour.
    const std::vector<Expected> expected = {
        {"A", false, 0, 0, 0}, {"B", true, 255, 0, 0}, {"C", true, 255, 0, 128},
        {"DE", false, 0, 0, 0}, {"F", true, 255, 0, 0}, {"G", false, 0, 0, 0},
    };
    const std::vector<RtfRun>& runs = model.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), expected.size());
    for (size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_EQ(runs[i].text, expected[i].text);
        EXPECT_EQ(runs[i].format.hasColor, expected[i].hasColor);
        EXPECT_EQ(runs[i].format.r, expected[i].r);
        EXPECT_EQ(runs[i].format.g, expected[i].g);
        EXPECT_EQ(runs[i].format.b, expected[i].b);
    }
}

TEST(RtfReader, ColourEntryWithoutFinalSemicolon)
{
    const RtfDocumentModel model = ParseRtf("{\\rtf1{\\colortbl\\red1\\green2\\blue3;\\red4\\green5\\blue6}\\cf1 A}");
    const std::vector<RtfColor> colors = {{false, 1, 2, 3}, {false, 4, 5, 6}};
    EXPECT_EQ(model.colors, colors);
    ASSERT_EQ(model.paragraphs.size(), 1u);
    ASSERT_EQ(model.paragraphs[0].runs.size(), 1u);
    EXPECT_EQ(model.paragraphs[0].runs[0].format.b, 6);
}

}  // namespace
