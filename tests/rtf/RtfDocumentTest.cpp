// The QTextDocument built from RTF: one block per paragraph, one fragment per
// run, carrying family, size, weight, colour, italic and underline.
#include <gtest/gtest.h>

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QString>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "toolkit/RtfDocument.h"

namespace rtftest {
std::string HelpSampleRtf();  // RtfSample.cpp
}

namespace {

QFont DefaultFont()
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(9);
    return font;
}

std::vector<QTextBlock> Blocks(const QTextDocument& doc)
{
    std::vector<QTextBlock> blocks;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        blocks.push_back(block);
    return blocks;
}

std::vector<QTextFragment> Fragments(const QTextBlock& block)
{
    std::vector<QTextFragment> fragments;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().isValid())
            fragments.push_back(it.fragment());
    return fragments;
}

// Blocks and paragraphs pair up one to one with the same text.
void ExpectBlocksMatch(const QTextDocument& doc, const RtfDocumentModel& model)
{
    const std::vector<QTextBlock> blocks = Blocks(doc);
    if (model.paragraphs.empty()) {
        ASSERT_EQ(blocks.size(), 1u);
        EXPECT_TRUE(blocks[0].text().isEmpty());
        return;
    }
    ASSERT_EQ(blocks.size(), model.paragraphs.size());
    for (size_t i = 0; i < blocks.size(); ++i)
        ASSERT_EQ(blocks[i].text(), QString::fromStdString(model.paragraphs[i].Text())) << i;
}

TEST(RtfDocument, HelpTextBlocks)
{
    const RtfDocumentModel model = ParseRtf(rtftest::HelpSampleRtf());
    QTextDocument doc;
    FillTextDocument(doc, model, DefaultFont());
    ExpectBlocksMatch(doc, model);
    EXPECT_EQ(doc.defaultFont(), DefaultFont());
}

TEST(RtfDocument, HelpTextFragmentFormats)
{
    QTextDocument doc;
    FillTextDocumentFromRtf(doc, rtftest::HelpSampleRtf(), DefaultFont());

    struct Expected {
        QString text;
        bool bold;
        double points;
        QColor color;
    };
    const QColor grey(64, 64, 64), yellow(255, 255, 64), blue(64, 64, 255), red(255, 64, 64);
    const std::vector<Expected> expected = {
        {QStringLiteral("NORVEL LX-4410 Series Settings Program"), true, 16, grey},
        {QStringLiteral("Yellow circles"), true, 12, yellow},
        {QStringLiteral(" provide information on configuring jumpers and switches."), false, 12, grey},
        {QStringLiteral("Blue circles"), true, 12, blue},
        {QStringLiteral("Red circles"), true, 12, red},
        {QStringLiteral("setup circles"), false, 12, yellow},
        {QStringLiteral("Note:"), true, 16, grey},
    };
    std::vector<QTextFragment> fragments;
    for (const QTextBlock& block : Blocks(doc))
        for (const QTextFragment& fragment : Fragments(block))
            fragments.push_back(fragment);

    for (const Expected& e : expected) {
        SCOPED_TRACE(e.text.toStdString());
        const auto found = std::find_if(fragments.begin(), fragments.end(),
                                        [&](const QTextFragment& f) { return f.text() == e.text; });
        ASSERT_NE(found, fragments.end());
        const QTextCharFormat format = found->charFormat();
        EXPECT_EQ(format.fontWeight(), e.bold ? QFont::Bold : QFont::Normal);
        EXPECT_DOUBLE_EQ(format.fontPointSize(), e.points);
        EXPECT_EQ(format.foreground().color(), e.color);
        EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{QStringLiteral("Verdana")});
        EXPECT_FALSE(format.fontItalic());
        EXPECT_FALSE(format.fontUnderline());
    }
}

TEST(RtfDocument, EmptyParagraphsKeepTheirMarkSize)
{
    QTextDocument doc;
    FillTextDocumentFromRtf(doc, rtftest::HelpSampleRtf(), DefaultFont());
    const std::vector<QTextBlock> blocks = Blocks(doc);
    ASSERT_GE(blocks.size(), 4u);
    EXPECT_TRUE(blocks[1].text().isEmpty());
    EXPECT_DOUBLE_EQ(blocks[1].charFormat().fontPointSize(), 16);
    EXPECT_DOUBLE_EQ(blocks[3].charFormat().fontPointSize(), 12);
}

TEST(RtfDocument, UncolouredAndUnnamedTextKeepsTheDefaults)
{
    QTextDocument doc;
    FillTextDocumentFromRtf(doc, "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\fs18\\i A\\i0\\ul B\\ulnone\\cf1 C}",
                            DefaultFont());
    const std::vector<QTextBlock> blocks = Blocks(doc);
    ASSERT_EQ(blocks.size(), 1u);
    const std::vector<QTextFragment> fragments = Fragments(blocks[0]);
    ASSERT_EQ(fragments.size(), 3u);

    const QTextCharFormat a = fragments[0].charFormat();
    EXPECT_EQ(fragments[0].text(), QStringLiteral("A"));
    EXPECT_TRUE(a.fontItalic());
    EXPECT_FALSE(a.fontUnderline());
    EXPECT_DOUBLE_EQ(a.fontPointSize(), 9);
    EXPECT_FALSE(a.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(a.hasProperty(QTextFormat::FontFamilies));
    // With no family of its own the text is drawn in the document's default.
    EXPECT_EQ(a.font().resolve(doc.defaultFont()).family(), DefaultFont().family());

    const QTextCharFormat b = fragments[1].charFormat();
    EXPECT_FALSE(b.fontItalic());
    EXPECT_TRUE(b.fontUnderline());
    EXPECT_FALSE(b.hasProperty(QTextFormat::ForegroundBrush));

    const QTextCharFormat c = fragments[2].charFormat();
    EXPECT_FALSE(c.fontUnderline());
    EXPECT_EQ(c.foreground().color(), QColor(1, 2, 3));
}

TEST(RtfDocument, TabsAndLineBreaksStayInTheirBlock)
{
    QTextDocument doc;
    FillTextDocumentFromRtf(doc, "{\\rtf1 a\\tab b\\line c\\par d}", DefaultFont());
    const std::vector<QTextBlock> blocks = Blocks(doc);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].text(), QStringLiteral("a\tb") + QChar(QChar::LineSeparator) + QStringLiteral("c"));
    EXPECT_EQ(blocks[1].text(), QStringLiteral("d"));
}

TEST(RtfDocument, RefillingReplacesTheContent)
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("old\nlines\nhere"));
    FillTextDocumentFromRtf(doc, "{\\rtf1 {\\b new}}", DefaultFont());
    ASSERT_EQ(doc.blockCount(), 1);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("new"));
    EXPECT_EQ(Fragments(doc.begin()).at(0).charFormat().fontWeight(), QFont::Bold);
    // Loading is not an undoable edit.
    EXPECT_FALSE(doc.isUndoAvailable());

    FillTextDocumentFromRtf(doc, "", DefaultFont());
    EXPECT_TRUE(doc.isEmpty());
}

TEST(RtfDocument, MutatedInputStillMapsParagraphsToBlocks)
{
    const std::string sample = rtftest::HelpSampleRtf();
    std::mt19937 random(99);
    auto pick = [&random](size_t bound) { return std::uniform_int_distribution<size_t>(0, bound - 1)(random); };
    QTextDocument doc;
    for (int iteration = 0; iteration < 200; ++iteration) {
        std::string rtf = sample;
        for (int m = 0; m < 3; ++m) {
            const size_t at = pick(rtf.size() + 1);
            const char* inserts[] = {"\\'0a", "\\u8233?", "\\u-8239?", "\\'0d", "}", "{", "\\par", "\\u-1?"};
            rtf.insert(at, inserts[pick(std::size(inserts))]);
        }
        SCOPED_TRACE(rtf);
        const RtfDocumentModel model = ParseRtf(rtf);
        FillTextDocument(doc, model, DefaultFont());
        ExpectBlocksMatch(doc, model);
        if (HasFatalFailure())
            return;
    }
}

}  // namespace
