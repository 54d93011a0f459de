// The card list: its menu entry under "&File", its window and the card count
// from the driver. The plain run has no driver on the library path, so no
// card is found; the SupporterDriver* cases run in processes of their own
// with fake drivers (tests/fakedriver/CMakeLists.txt): two cards, a count no
// computer can hold, and a GetNumCards that raises.
#include <cstdlib>

#include "SupporterFixture.h"
#include "KELDRV/KelDrv.h"
#include "SetupCtrls/supporter/CardListLines.h"
#include "SetupCtrls/supporter/HelpForm.h"
#include "SetupCtrls/supporter/TechForm.h"
#include "common/Wait.h"
#include "SetupCtrls/supporter/PCIForm.h"
#include "toolkit/Button.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"

namespace {

// Which fake driver this process runs with; empty in the plain run.
std::string Scenario()
{
    const char* scenario = std::getenv("KELDRV_SCENARIO");
    return scenario ? scenario : "";
}

bool DriverScenario()
{
    return Scenario() == "cardlist";
}

TEST_F(SupporterTest, WithoutCardEventNothingOfTheCardListIsBuilt)
{
    RunIdleOnce();
    EXPECT_EQ(sup->PCIForm(), nullptr);
    EXPECT_EQ(main->FindComponent("PCIForm"), nullptr);
    EXPECT_EQ(fileItem->Count(), 1);
    EXPECT_EQ(fileItem->FindComponent("DisplayPCI"), nullptr);
    if (!DriverScenario()) {
        EXPECT_EQ(DriverLibraryLoadCount(), 0);
    }
}

TEST_F(SupporterTest, CardListWindowMenuEntryAndNoDriver)
{
    if (DriverScenario())
        GTEST_SKIP() << "expects no driver";
    int calls = 0;
    sup->SetOnGetCardString([&](TObject*, int32_t) {
        ++calls;
        return std::string("a card");
    });
    RunIdleOnce();
    ASSERT_TRUE(errors.empty()) << errors.front().message;

    // The entry comes first under "&File", above "&Exit".
    ASSERT_EQ(fileItem->Count(), 2);
    TMenuItem* entry = fileItem->Items(0);
    EXPECT_EQ(entry->Name(), "DisplayPCI");
    EXPECT_EQ(entry->Owner(), fileItem);
    EXPECT_EQ(entry->Caption(), "Display LX-4410 Cards Installed");
    EXPECT_EQ(fileItem->Items(1)->Caption(), "&Exit");

    TPCIForm* list = sup->PCIForm();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Name(), "PCIForm");
    EXPECT_EQ(list->Owner(), main);
    EXPECT_EQ(list->Caption(), "LX-4410 Cards installed");
    EXPECT_EQ(list->FormStyle(), fsStayOnTop);
    EXPECT_EQ(list->Position(), poDefaultPosOnly);
    EXPECT_TRUE(list->Visible());
    EXPECT_EQ(list->ClientWidth(), 305);
    EXPECT_EQ(list->ClientHeight(), 122);

    TMemo* memo = list->PCIMemo();
    EXPECT_EQ(memo->Name(), "PCIMemo");
    EXPECT_EQ(memo->BoundsRect(), Bounds(0, 0, 305, 89));
    EXPECT_EQ(memo->Font().Name(), "Tahoma");
    EXPECT_EQ(memo->Font().Size(), 10);
    EXPECT_EQ(memo->Font().Style(), TFontStyles(fsBold));
    EXPECT_TRUE(memo->ReadOnly());
    EXPECT_EQ(memo->ScrollBars(), ssVertical);
    EXPECT_EQ(memo->Anchors(), TAnchors(akLeft | akTop | akRight | akBottom));
    EXPECT_EQ(memo->Lines().Lines(), std::vector<std::string>{"No Card Found"});

    TButton* close = list->CloseButton();
    EXPECT_EQ(close->Name(), "CloseButton");
    EXPECT_EQ(close->Caption(), "Close");
    EXPECT_TRUE(close->Cancel());
    // Centred in the new 320-pixel window before the fit moved it 8 left.
    EXPECT_EQ(close->BoundsRect(), Bounds(115, 97, 73, 25));
    EXPECT_EQ(close->Anchors(), TAnchors(akBottom));

    // No driver: GetNumCards stays empty, so it is never called, and no card is asked for.
    EXPECT_EQ(GetNumCards, nullptr);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(sup->HeaderLabel()->Caption(), "No LX-4410 Series Card Found");

    // Close hides the window; the menu entry brings it back.
    close->Click();
    EXPECT_FALSE(list->Visible());
    entry->Click();
    EXPECT_TRUE(list->Visible());
}

TEST_F(SupporterTest, NoMenuEntryWithoutAnExactFileItem)
{
    fileItem->SetCaption("File");
    sup->SetOnGetCardString([](TObject*, int32_t) { return std::string(); });
    RunIdleOnce();
    EXPECT_EQ(fileItem->Count(), 1);
    // The window is built and shown all the same.
    ASSERT_NE(sup->PCIForm(), nullptr);
    EXPECT_TRUE(sup->PCIForm()->Visible());
}

TEST_F(SupporterTest, NoMenuEntryWithoutAMainMenu)
{
    main->SetMenu(nullptr);
    sup->SetOnGetCardString([](TObject*, int32_t) { return std::string(); });
    RunIdleOnce();
    EXPECT_EQ(fileItem->Count(), 1);
    EXPECT_NE(sup->PCIForm(), nullptr);
    EXPECT_TRUE(errors.empty());
}

// --- the lines, from a count and the host's descriptions --------------------

struct LinesCase {
    const char* label;
    int32_t count;
    // Card i is described as "card i" unless it is a multiple of emptyEvery
    // (0: every card is described).
    int32_t emptyEvery;
    int32_t expectAsked;      // cards 0 .. expectAsked - 1, in order
    bool expectFault;         // first line names the driver's fault
    int32_t expectCardLines;  // lines after the fault line
    bool expectFound;
};

TEST(CardListLines, CollectedFromTheCountWithinTheBound)
{
    constexpr int32_t kMax = 2147483647;
    const LinesCase cases[] = {
        {"driver error", -1, 0, 0, false, 0, false},
        {"no card", 0, 0, 0, false, 0, false},
        {"three cards, the first undescribed", 3, 3, 3, false, 2, true},
        {"one undescribed card", 1, 1, 1, false, 0, false},
        {"exactly the bound", kMaxListedCards, 0, kMaxListedCards, false, kMaxListedCards, true},
        {"one beyond the bound", kMaxListedCards + 1, 0, kMaxListedCards, true, kMaxListedCards, true},
        {"largest count", kMax, 0, kMaxListedCards, true, kMaxListedCards, true},
        {"largest count, none described", kMax, 1, kMaxListedCards, true, 0, false},
    };
    for (const LinesCase& c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<int32_t> asked;
        const TCardListLines list = CollectCardLines(c.count, [&](int32_t card) {
            asked.push_back(card);
            const bool empty = c.emptyEvery && card % c.emptyEvery == 0;
            return empty ? std::string() : "card " + std::to_string(card);
        });
        std::vector<int32_t> expectAsked(size_t(c.expectAsked));
        for (size_t i = 0; i < expectAsked.size(); ++i)
            expectAsked[i] = int32_t(i);
        EXPECT_EQ(asked, expectAsked);
        EXPECT_EQ(list.Found, c.expectFound);

        std::vector<std::string> expected;
        if (c.expectFault)
            expected.push_back(CardCountFaultLine(c.count));
        for (int32_t card : asked)
            if (!(c.emptyEvery && card % c.emptyEvery == 0))
                expected.push_back("card " + std::to_string(card));
        ASSERT_EQ(expected.size(), size_t(c.expectFault) + size_t(c.expectCardLines));
        if (!c.expectFound)
            expected.push_back("No Card Found");
        EXPECT_EQ(list.Lines.Lines(), expected);
    }
}

TEST(CardListLines, FaultLineNamesTheCountAndTheBound)
{
    EXPECT_EQ(CardCountFaultLine(2147483647),
              "Driver fault: it reports 2147483647 cards, more than the 256 a computer can hold; "
              "only the first 256 are listed.");
}

// --- against the fake driver reporting two cards ---------------------------

struct DriverCase {
    const char* label;
    std::vector<std::string> descriptions;  // by card index
    std::vector<std::string> lines;         // the memo's lines afterwards
    const char* header;
};

void PrintTo(const DriverCase& c, std::ostream* os)
{
    *os << c.label;
}

class SupporterDriverCardList : public SupporterTest, public testing::WithParamInterface<DriverCase> {
protected:
    void SetUp() override
    {
        if (!DriverScenario())
            GTEST_SKIP() << "runs with the fake two-card driver only";
        SupporterTest::SetUp();
    }
    void TearDown() override
    {
        if (DriverScenario())
            SupporterTest::TearDown();
    }
};

TEST_P(SupporterDriverCardList, EveryDescribedCardIsListed)
{
    const DriverCase& c = GetParam();
    std::vector<int32_t> asked;
    sup->SetOnGetCardString([&](TObject* sender, int32_t index) {
        EXPECT_EQ(sender, sup);
        asked.push_back(index);
        return c.descriptions.at(size_t(index));
    });
    RunIdleOnce();
    ASSERT_TRUE(errors.empty()) << errors.front().message;
    EXPECT_EQ(asked, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(sup->PCIForm()->PCIMemo()->Lines().Lines(), c.lines);
    EXPECT_EQ(sup->HeaderLabel()->Caption(), c.header);
}

INSTANTIATE_TEST_SUITE_P(
    TwoCards, SupporterDriverCardList,
    testing::Values(DriverCase{"Both", {"LX-4410 #0, bus 3", "LX-4410 #1, bus 4"},
                               {"LX-4410 #0, bus 3", "LX-4410 #1, bus 4"}, "LX-4410 Series Settings Program"},
                    DriverCase{"LastUndescribed", {"LX-4410 #0, bus 3", ""}, {"LX-4410 #0, bus 3"},
                               "LX-4410 Series Settings Program"},
                    DriverCase{"FirstUndescribed", {"", "LX-4410 #1, bus 4"}, {"LX-4410 #1, bus 4"},
                               "LX-4410 Series Settings Program"},
                    DriverCase{"NoneDescribed", {"", ""}, {"No Card Found"}, "No LX-4410 Series Card Found"}),
    [](const testing::TestParamInfo<DriverCase>& info) { return std::string(info.param.label); });

// --- against fake drivers at fault -----------------------------------------

// Runs only in the process whose fake driver is the named scenario's.
template <const char* Name>
class SupporterDriverScenario : public SupporterTest {
protected:
    void SetUp() override
    {
        if (Scenario() != Name)
            GTEST_SKIP() << "runs with the " << Name << " fake driver only";
        SupporterTest::SetUp();
    }
    void TearDown() override
    {
        if (Scenario() == Name)
            SupporterTest::TearDown();
    }

    std::vector<std::string> ListLines() const { return sup->PCIForm()->PCIMemo()->Lines().Lines(); }
};

constexpr char kTooMany[] = "toomany";
constexpr char kRaises[] = "raises";
using SupporterDriverTooManyCards = SupporterDriverScenario<kTooMany>;
using SupporterDriverRaises = SupporterDriverScenario<kRaises>;

TEST_F(SupporterDriverTooManyCards, CountRefusedInOneLineOnlyTheBoundAskedProgramGoesOn)
{
    std::vector<int32_t> asked;
    sup->SetOnGetCardString([&](TObject*, int32_t index) {
        asked.push_back(index);
        return index == 1 ? "LX-4410 #1, bus 4" : std::string();
    });
    RunIdleOnce();
    ASSERT_TRUE(errors.empty()) << errors.front().message;
    EXPECT_EQ(DriverCardCount(), 2147483647);
    ASSERT_EQ(asked.size(), size_t(kMaxListedCards));
    EXPECT_EQ(asked.front(), 0);
    EXPECT_EQ(asked.back(), kMaxListedCards - 1);
    EXPECT_EQ(ListLines(), (std::vector<std::string>{CardCountFaultLine(2147483647), "LX-4410 #1, bus 4"}));
    EXPECT_EQ(sup->HeaderLabel()->Caption(), "LX-4410 Series Settings Program");
    EXPECT_TRUE(sup->TimerActive());
    EXPECT_TRUE(WaitFor([&] { return sup->HelpForm()->Visible(); }));
}

TEST_F(SupporterDriverRaises, ErrorShownAndEverythingElseBuiltAndArmed)
{
    int asked = 0;
    sup->SetOnGetCardString([&](TObject*, int32_t) {
        ++asked;
        return std::string("a card");
    });
    RunIdleOnce();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].message, "fake driver: the card bus could not be read");
    EXPECT_EQ(asked, 0);

    // The card list is there and says what it knows.
    ASSERT_NE(sup->PCIForm(), nullptr);
    EXPECT_TRUE(sup->PCIForm()->Visible());
    EXPECT_EQ(ListLines(), std::vector<std::string>{"No Card Found"});
    EXPECT_EQ(fileItem->Items(0)->Name(), "DisplayPCI");
    // Everything else is built, the header written and the help window armed.
    EXPECT_EQ(sup->HeaderLabel()->Caption(), "No LX-4410 Series Card Found");
    ASSERT_NE(sup->TechForm(), nullptr);
    ASSERT_NE(sup->HelpForm(), nullptr);
    EXPECT_FALSE(sup->HelpForm()->Visible());
    EXPECT_TRUE(sup->ShowHelpPending());
    EXPECT_TRUE(sup->TimerActive());
    // The help window comes up by itself, once.
    EXPECT_TRUE(WaitFor([&] { return sup->HelpForm()->Visible(); }));
    EXPECT_FALSE(sup->ShowHelpPending());
    EXPECT_EQ(errors.size(), 1u);
}

} // namespace
