// The help text as RTF: its pieces for each combination of the supporter's
// switches, the escaping of the product names, and how the rich view shows it.
#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include "SupporterFixture.h"
#include "SetupCtrls/supporter/HelpDocument.h"
#include "SetupCtrls/supporter/HelpForm.h"
#include "toolkit/RichEdit.h"

namespace {

const std::string kHead =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}"
    "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;\\red255\\green64\\blue64;}"
    "\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0\r\n{\\b ";
const std::string kTitleEnd = " Settings Program}\\par\\par\\fs24\r\n";
const std::string kBody =
    "This program will help you configure the option jumpers and settings associated with this product. You should "
    "have the product in-hand when first using this program.\\par\\par\r\n"
    "{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and switches.\\par\\par\r\n"
    "{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on standard and optional "
    "features of the product family.\\par\\par\r\n"
    "{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require actually controlling "
    "the hardware device. Run this settings program again once the card is installed. "
    "Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then perform the "
    "{\\cf3 calibration circles}.\\par\\par\r\n"
    "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, "
    "{\\cf2 features}, and {\\cf3 calibration}. Click a highlight circle to make its popup remain on-screen. "
    "You can have all or as many of these popups onscreen at the same time as you desire.\\par\\par\r\n";
const std::string kNote =
    "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the configuration options for "
    "each port are handled identically; "
    "this program only shows the setup once, but you need to perform this setup for each group of options on your "
    "device.\\par\\par\r\n";

std::string CardListSentence(const std::string& card)
{
    return "To see a list of " + card + " cards installed, click \"Display " + card +
           " Cards Installed\" under the File menu.\\par\\par\r\n";
}

struct DocumentCase {
    const char* label;
    THelpDocumentValues values;
    std::string expected;
};

void PrintTo(const DocumentCase& c, std::ostream* os)
{
    *os << c.label;
}

class HelpDocumentPieces : public testing::TestWithParam<DocumentCase> {};

TEST_P(HelpDocumentPieces, Assembled)
{
    EXPECT_EQ(BuildHelpDocument(GetParam().values), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, HelpDocumentPieces,
    testing::Values(
        DocumentCase{"ThisMainWindow", {"NORVEL", "LX-4410", true, true, false},
                     kHead + "NORVEL LX-4410 Series" + kTitleEnd + kBody + kNote + "}"},
        DocumentCase{"NoSeries", {"NORVEL", "LX-4410", false, true, true},
                     kHead + "NORVEL LX-4410" + kTitleEnd + kBody + kNote + CardListSentence("LX-4410") + "}"},
        DocumentCase{"SinglePort", {"NORVEL", "LX-4410", true, false, false},
                     kHead + "NORVEL LX-4410 Series" + kTitleEnd + kBody + "}"},
        DocumentCase{"CardList", {"NORVEL", "LX-4410", true, false, true},
                     kHead + "NORVEL LX-4410 Series" + kTitleEnd + kBody + CardListSentence("LX-4410") + "}"},
        DocumentCase{"EmptyCompany", {"", "LX-4410", true, false, false},
                     kHead + " LX-4410 Series" + kTitleEnd + kBody + "}"}),
    [](const testing::TestParamInfo<DocumentCase>& info) { return std::string(info.param.label); });

// The supporter hands the help window the card name it chose and whether it
// will offer the card list.
TEST_F(SupporterTest, SupporterUsesCardNameBAndOffersTheCardList)
{
    sup->SetCardNameB("LX-9000");
    sup->SetUseCardNameB(true);
    sup->SetMultiPort(false);
    sup->SetOnGetCardString([](TObject*, int32_t) { return std::string(); });
    RunIdleOnce();
    const std::string shown = sup->HelpForm()->HelpRich()->PlainText();
    EXPECT_NE(shown.find("NORVEL LX-9000 Series Settings Program"), std::string::npos);
    EXPECT_NE(shown.find("To see a list of LX-9000 cards installed, click \"Display LX-9000 Cards Installed\""),
              std::string::npos);
    EXPECT_EQ(shown.find("LX-4410"), std::string::npos);
    EXPECT_EQ(shown.find("Note:"), std::string::npos);
}

struct EscapeCase {
    std::string text;
    std::string rtf;
};

void PrintTo(const EscapeCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.text);
}

class RtfEscaping : public testing::TestWithParam<EscapeCase> {};

TEST_P(RtfEscaping, NamesStandAsWritten)
{
    EXPECT_EQ(RtfEscapeText(GetParam().text), GetParam().rtf);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, RtfEscaping,
    testing::Values(EscapeCase{"LX-4410", "LX-4410"},
                    EscapeCase{"A\\B {C}", "A\\\\B \\{C\\}"},
                    EscapeCase{"M\xC3\xBCller \xC2\xA9", "M\\'fcller \\'a9"},
                    EscapeCase{"\xE2\x82\xAC\xE2\x80\x94\xC5\x93", "\\'80\\'97\\'9c"},  // euro, em dash, oe
                    EscapeCase{"\xCE\xA9 \xE4\xB8\xAD", "\\u937? \\u20013?"},
                    EscapeCase{"\xEF\xBF\xBD", "\\u-3?"},
                    EscapeCase{"\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"},  // outside the basic plane
                    EscapeCase{"a\tb\r\nc", "a\\tab b  c"},
                    EscapeCase{"caf\xE9", "caf\\'e9"},  // a stray code page byte stays that byte
                    EscapeCase{"\x81", "\\u-3?"}));

// Rendered: what the help window shows for names full of markup and foreign letters.
TEST_F(SupporterTest, EscapedNamesShowAsWrittenInTheTitle)
{
    const std::string company = "N{O}R\\VEL \xC3\x9C\xE2\x82\xAC \xE4\xB8\xAD\xF0\x9F\x98\x80";
    sup->SetCompanyName(company);
    sup->SetCardNameA("LX-{44}10\\b0");
    RunIdleOnce();
    QTextDocument* doc = sup->HelpForm()->HelpRich()->Document();
    const QString title = doc->begin().text();
    EXPECT_EQ(title.toStdString(), company + " LX-{44}10\\b0 Series Settings Program");
    // The markup in the names did not switch the title's bold off.
    for (QTextBlock::iterator it = doc->begin().begin(); !it.atEnd(); ++it)
        EXPECT_EQ(it.fragment().charFormat().fontWeight(), QFont::Bold) << it.fragment().text().toStdString();
}

struct TextRun {
    std::string text;
    double points;
    bool bold;
    QColor color;
};

std::vector<TextRun> TextRuns(const QTextDocument& doc)
{
    std::vector<TextRun> runs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            runs.push_back({it.fragment().text().toStdString(), f.fontPointSize(), f.fontWeight() == QFont::Bold,
                            f.foreground().color()});
        }
    return runs;
}

const TextRun* FindRun(const std::vector<TextRun>& runs, const std::string& text)
{
    for (const TextRun& r : runs)
        if (r.text == text)
            return &r;
    return nullptr;
}

TEST_F(SupporterTest, RichViewShowsTheColourCode)
{
    RunIdleOnce();
    const std::vector<TextRun> runs = TextRuns(*sup->HelpForm()->HelpRich()->Document());
    const QColor grey(64, 64, 64), yellow(255, 255, 64), blue(64, 64, 255), red(255, 64, 64);

    struct Expected {
        const char* text;
        double points;
        bool bold;
        QColor color;
    };
    const Expected expected[] = {
        {"NORVEL LX-4410 Series Settings Program", 16, true, grey},
        {"Yellow circles", 12, true, yellow},
        {"Blue circles", 12, true, blue},
        {"Red circles", 12, true, red},
        {"setup circles", 12, false, yellow},
        {"calibration circles", 12, false, red},
        {"setup", 12, false, yellow},
        {"features", 12, false, blue},
        {"calibration", 12, false, red},
        {"Note:", 16, true, grey},
    };
    for (const Expected& e : expected) {
        const TextRun* run = FindRun(runs, e.text);
        ASSERT_NE(run, nullptr) << e.text;
        EXPECT_EQ(run->points, e.points) << e.text;
        EXPECT_EQ(run->bold, e.bold) << e.text;
        EXPECT_EQ(run->color, e.color) << e.text;
    }
    // The body text is dark grey and plain, at 12 points.
    bool sawBody = false;
    for (const TextRun& r : runs)
        if (r.text.rfind("This program will help you", 0) == 0) {
            sawBody = true;
            EXPECT_EQ(r.points, 12);
            EXPECT_FALSE(r.bold);
            EXPECT_EQ(r.color, grey);
        }
    EXPECT_TRUE(sawBody);
    const std::string plain = sup->HelpForm()->HelpRich()->PlainText();
    // The control word's delimiting space is not text: one space follows the dash.
    EXPECT_NE(plain.find("option group \xE2\x80\x94 the configuration"), std::string::npos);
    EXPECT_EQ(plain.find("To see a list"), std::string::npos);
}

} // namespace
