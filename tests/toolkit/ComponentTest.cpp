#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Button.h"
#include "toolkit/Component.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/Exceptions.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/Image.h"
#include "toolkit/JpegImage.h"
#include "toolkit/Label.h"
#include "toolkit/MainMenu.h"
#include "toolkit/Memo.h"
#include "toolkit/MenuItem.h"
#include "toolkit/Picture.h"
#include "toolkit/RadioButton.h"
#include "toolkit/RichEdit.h"
#include "toolkit/Screen.h"
#include "toolkit/StatusBar.h"

namespace {

using Log = std::vector<std::string>;

// Writes its tag into a log when it is destroyed or loaded.
class Logged : public TComponent {
public:
    Logged(TComponent* owner, std::string tag, Log& log) : TComponent(owner), FTag(std::move(tag)), FLog(log) {}
    ~Logged() override { FLog.push_back(FTag); }
    bool LoadingDuringLoaded = true;

protected:
    void Loaded() override
    {
        LoadingDuringLoaded = IsLoading();
        FLog.push_back("loaded " + FTag);
    }

private:
    std::string FTag;
    Log& FLog;
};

} // namespace

TEST(Component, OwnerDestroysOwnedComponentsLastCreatedFirst)
{
    Log log;
    auto* owner = new Logged(nullptr, "owner", log);
    new Logged(owner, "a", log);
    auto* b = new Logged(owner, "b", log);
    new Logged(b, "b1", log);
    new Logged(b, "b2", log);
    new Logged(owner, "c", log);
    delete owner;
    EXPECT_EQ(log, (Log{"owner", "c", "b", "b2", "b1", "a"}));
}

TEST(Component, DestroyedComponentLeavesItsOwner)
{
    Log log;
    TComponent owner(nullptr);
    auto* a = new Logged(&owner, "a", log);
    auto* b = new Logged(&owner, "b", log);
    auto* c = new Logged(&owner, "c", log);
    delete b;
    ASSERT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.Components(0), a);
    EXPECT_EQ(owner.Components(1), c);
    EXPECT_EQ(log, (Log{"b"}));
}

TEST(Component, FindComponentComparesNamesWithoutRegardToAsciiCase)
{
    TComponent owner(nullptr);
    auto* button = new TComponent(&owner);
    button->SetName("Button1");
    auto* other = new TComponent(&owner);
    other->SetName("Memo_2");
    struct Case {
        const char* query;
        TComponent* expected;
    };
    const Case cases[] = {
        {"Button1", button}, {"button1", button}, {"BUTTON1", button}, {"bUtToN1", button},
        {"MEMO_2", other},   {"Button", nullptr}, {"Button12", nullptr}, {"", nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(owner.FindComponent(c.query), c.expected) << c.query;
}

TEST(Component, NamesThatAreNoIdentifiersAreRefused)
{
    TComponent owner(nullptr);
    auto* c = new TComponent(&owner);
    c->SetName("Before");
    for (const char* bad : {"1abc", "a b", "a-b", "&File", "Caf\xc3\xa9", " lead", "trail "}) {
        EXPECT_THROW(c->SetName(bad), EComponentError) << bad;
        EXPECT_EQ(c->Name(), "Before") << bad;
    }
    for (const char* good : {"_x", "a1", "Z", "ExternalPower1"}) {
        EXPECT_NO_THROW(c->SetName(good)) << good;
        EXPECT_EQ(c->Name(), good);
    }
}

TEST(Component, DuplicateNamesAreRefusedWithoutRegardToCase)
{
    TComponent owner(nullptr);
    auto* first = new TComponent(&owner);
    first->SetName("Panel1");
    auto* second = new TComponent(&owner);
    second->SetName("Panel2");

    for (const char* clash : {"Panel1", "PANEL1", "panel1"}) {
        EXPECT_THROW(second->SetName(clash), EComponentError) << clash;
        EXPECT_EQ(second->Name(), "Panel2");
    }
    // A component may change the case of its own name.
    EXPECT_NO_THROW(first->SetName("PANEL1"));
    EXPECT_EQ(owner.FindComponent("panel1"), first);

    // Unnamed components never clash, and other owners keep their own names.
    auto* unnamed1 = new TComponent(&owner);
    auto* unnamed2 = new TComponent(&owner);
    EXPECT_NO_THROW(unnamed1->SetName(""));
    EXPECT_NO_THROW(unnamed2->SetName(""));
    TComponent elsewhere(nullptr);
    auto* stranger = new TComponent(&elsewhere);
    EXPECT_NO_THROW(stranger->SetName("Panel1"));
}

TEST(Component, EveryClassReportsItsExactName)
{
    TComponent owner(nullptr);
    struct Case {
        const char* expected;
        std::function<TObject*()> make;
    };
    const Case cases[] = {
        {"TComponent", [&] { return new TComponent(&owner); }},
        {"TControl", [&] { return new TControl(&owner); }},
        {"TGraphicControl", [&] { return new TGraphicControl(&owner); }},
        {"TWinControl", [&] { return new TWinControl(&owner); }},
        {"TCustomPanel", [&] { return new TCustomPanel(&owner); }},
        {"TForm", [&] { return new TForm(&owner); }},
        {"TLabel", [&] { return new TLabel(&owner); }},
        {"TImage", [&] { return new TImage(&owner); }},
        {"TButton", [&] { return new TButton(&owner); }},
        {"TMemo", [&] { return new TMemo(&owner); }},
        {"TRichEdit", [&] { return new TRichEdit(&owner); }},
        {"TStatusBar", [&] { return new TStatusBar(&owner); }},
        {"TRadioButton", [&] { return new TRadioButton(&owner); }},
        {"TMainMenu", [&] { return new TMainMenu(&owner); }},
        {"TMenuItem", [&] { return new TMenuItem(&owner); }},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.make()->ClassName(), c.expected);

    std::unique_ptr<TObject> graphics[] = {std::make_unique<TBitmap>(), std::make_unique<TJPEGImage>(),
                                           std::make_unique<TPicture>()};
    EXPECT_STREQ(graphics[0]->ClassName(), "TBitmap");
    EXPECT_STREQ(graphics[1]->ClassName(), "TJPEGImage");
    EXPECT_STREQ(graphics[2]->ClassName(), "TPicture");
    EXPECT_STREQ(Application->ClassName(), "TApplication");
    EXPECT_STREQ(Screen->ClassName(), "TScreen");
}

TEST(Component, DesignStateReachesEveryOwnedComponent)
{
    TComponent owner(nullptr);
    auto* child = new TComponent(&owner);
    auto* grandchild = new TComponent(child);
    owner.SetDesigning(true);
    EXPECT_TRUE(owner.IsDesigning());
    EXPECT_TRUE(child->IsDesigning());
    EXPECT_TRUE(grandchild->IsDesigning());
    // Created under a designing owner: designing from the start.
    auto* late = new TComponent(child);
    EXPECT_TRUE(late->IsDesigning());

    owner.SetDesigning(false);
    for (TComponent* c : {&owner, child, grandchild, late})
        EXPECT_FALSE(c->IsDesigning());
}

TEST(Component, EndLoadingCallsLoadedOnOwnedComponentsFirst)
{
    Log log;
    Logged owner(nullptr, "owner", log);
    auto* before = new Logged(&owner, "before", log);
    owner.BeginLoading();
    auto* during = new Logged(&owner, "during", log);
    auto* grandchild = new Logged(during, "grandchild", log);

    for (Logged* c : {&owner, before, during, grandchild})
        EXPECT_TRUE(c->IsLoading());

    owner.EndLoading();
    EXPECT_EQ(log, (Log{"loaded before", "loaded grandchild", "loaded during", "loaded owner"}));
    for (Logged* c : {&owner, before, during, grandchild}) {
        EXPECT_FALSE(c->IsLoading());
        EXPECT_FALSE(c->LoadingDuringLoaded);
    }
    // Loaded runs once per loading pass.
    owner.EndLoading();
    EXPECT_EQ(log.size(), 4u);
}

TEST(Component, GuardExpiresWhenItsComponentIsDestroyed)
{
    auto* owner = new TComponent(nullptr);
    auto* child = new TComponent(owner);
    TGuard<TComponent> direct(owner), indirect(child), none(nullptr);
    EXPECT_TRUE(direct.Alive());
    EXPECT_EQ(indirect.Get(), child);
    EXPECT_FALSE(none.Alive());
    EXPECT_EQ(none.Get(), nullptr);

    delete owner;
    EXPECT_FALSE(direct.Alive());
    EXPECT_FALSE(indirect.Alive());
    EXPECT_EQ(direct.Get(), nullptr);
    EXPECT_EQ(indirect.Get(), nullptr);
}
