// The card list: its menu entry under "&File", its window and the card count
// from the driver. The plain run has no driver on the library path, so no
// card is found; the SupporterDriverCardList cases run in a process of their
// own with the fake two-card driver (tests/fakedriver/CMakeLists.txt).
#include <cstdlib>

#include "SupporterFixture.h"
#include "KELDRV/KelDrv.h"
#include "SetupCtrls/supporter/PCIForm.h"
#include "toolkit/Button.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"

namespace {

bool DriverScenario()
{
    const char* scenario = std::getenv("KELDRV_SCENARIO");
    return scenario && std::string(scenario) == "cardlist";
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

} // namespace
