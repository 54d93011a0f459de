#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMenuBar>
#include <string>
#include <vector>

#include "tests/toolkit/ToolkitSupport.h"
#include "toolkit/Button.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/MainMenu.h"
#include "toolkit/Memo.h"
#include "toolkit/MenuItem.h"
#include "toolkit/Screen.h"

using namespace tk_test;

namespace {

using Log = std::vector<std::string>;

QMenuBar* MenuBarOf(TForm* form) { return form->Handle()->findChild<QMenuBar*>(); }

TMainMenu* MenuWithOneItem(TForm* form)
{
    auto* menu = new TMainMenu(form);
    auto* file = new TMenuItem(form);
    file->SetCaption("&File");
    auto* exit = new TMenuItem(form);
    exit->SetCaption("E&xit");
    file->Add(exit);
    menu->Items()->Add(file);
    return menu;
}

// Logs "+Name" / "-Name" from OnActivate and OnDeactivate.
void Watch(TForm* form, const std::string& name, Log& log)
{
    form->OnActivate = [&log, name](TObject*) { log.push_back("+" + name); };
    form->OnDeactivate = [&log, name](TObject*) { log.push_back("-" + name); };
}

// Makes a form the application's main form for the length of a test.
class MainFormScope {
public:
    explicit MainFormScope(TForm* form) : FPrevious(Application->MainForm()) { Application->SetMainForm(form); }
    ~MainFormScope() { Application->SetMainForm(FPrevious); }

private:
    TForm* FPrevious;
};

} // namespace

TEST(Form, OuterAndClientSizeDifferByTheMenuBarOnly)
{
    FormPtr form = MakeForm(0, 0, 100, 100);
    form->SetBounds(50, 60, 300, 200);
    EXPECT_EQ(form->BoundsRect(), Bounds(50, 60, 300, 200));
    EXPECT_EQ(form->ClientWidth(), 300);
    EXPECT_EQ(form->ClientHeight(), 200);
    form->SetClientSize(250, 150);
    EXPECT_EQ(form->Width(), 250);
    EXPECT_EQ(form->Height(), 150);

    // A menu bar takes its room above the client area, which keeps its size.
    form->SetMenu(MenuWithOneItem(form.get()));
    QMenuBar* bar = MenuBarOf(form.get());
    ASSERT_NE(bar, nullptr);
    const int barHeight = bar->height();
    ASSERT_GT(barHeight, 0);
    EXPECT_EQ(form->ClientHeight(), 150);
    EXPECT_EQ(form->Height(), 150 + barHeight);
    EXPECT_EQ(form->ClientWidth(), 250);

    form->SetBounds(50, 60, 300, 250);
    EXPECT_EQ(form->ClientHeight(), 250 - bar->height());
    form->SetClientSize(200, 100);
    EXPECT_EQ(form->Height(), 100 + bar->height());

    ASSERT_TRUE(ShowAndWait(form.get()));
    EXPECT_EQ(form->ClientHeight(), form->Height() - bar->height());
    EXPECT_EQ(form->ClientOrigin(), (TPoint{form->Left(), form->Top() + bar->height()}));
    EXPECT_EQ(form->ClientToScreen(TPoint{5, 7}), (TPoint{form->Left() + 5, form->Top() + bar->height() + 7}));

    form->SetMenu(nullptr);
    EXPECT_EQ(MenuBarOf(form.get()), nullptr);
    EXPECT_EQ(form->ClientHeight(), form->Height());
}

TEST(Form, MinimumSizeKeepsTheUserFromShrinkingTheWindow)
{
    FormPtr form = MakeForm(10, 10, 300, 200);
    form->SetConstraints(194, 122);
    ASSERT_TRUE(ShowAndWait(form.get()));
    form->Handle()->resize(100, 50);
    DrainEvents(30);
    EXPECT_EQ(form->Width(), 194);
    EXPECT_EQ(form->Height(), 122);
    EXPECT_EQ(form->MinWidth(), 194);
    EXPECT_EQ(form->MinHeight(), 122);
}

TEST(Form, FitToControlsMovesTheControlsToTheCornerAndSizesTheClientArea)
{
    struct Case {
        const char* name;
        TAnchors buttonAnchors;
    };
    // The fit is a placement of its own: anchors must not move the controls
    // again when the client area takes its new size.
    for (const Case& c : {Case{"left top", akLeft | akTop}, Case{"bottom only", akBottom},
                          Case{"right bottom", akRight | akBottom}}) {
        FormPtr form = MakeForm(0, 0, 320, 240);
        auto* memo = new TMemo(form.get());
        memo->SetParent(form.get());
        memo->SetBounds(8, 8, 305, 81);
        auto* button = new TButton(form.get());
        button->SetParent(form.get());
        button->SetBounds(165, 105, 73, 25);
        button->SetAnchors(c.buttonAnchors);
        auto* hidden = new TGraphicControl(form.get());
        hidden->SetParent(form.get());
        hidden->SetBounds(400, 400, 10, 10);
        hidden->Hide();

        form->FitToControls();
        EXPECT_EQ(form->ClientWidth(), 305) << c.name;
        EXPECT_EQ(form->ClientHeight(), 122) << c.name;
        EXPECT_EQ(memo->BoundsRect(), Bounds(0, 0, 305, 81)) << c.name;
        EXPECT_EQ(button->BoundsRect(), Bounds(157, 97, 73, 25)) << c.name;
        // Later resizes follow the anchors from the fitted places.
        form->SetClientSize(405, 222);
        if (c.buttonAnchors == (akRight | akBottom)) {
            EXPECT_EQ(button->BoundsRect(), Bounds(257, 197, 73, 25)) << c.name;
        }
    }
}

TEST(Form, CloseHidesUnlessOnCloseDecidesOtherwise)
{
    struct Case {
        const char* name;
        bool handler;
        TCloseAction action;
        bool visibleAfter, destroyed;
    };
    const Case cases[] = {
        {"no handler", false, caHide, false, false},
        {"hide", true, caHide, false, false},
        {"none", true, caNone, true, false},
        {"minimize", true, caMinimize, true, false},
        {"free", true, caFree, false, true},
    };
    for (const Case& c : cases) {
        FormPtr form = MakeForm(10, 10, 120, 80);
        std::vector<TCloseAction> offered;
        if (c.handler)
            form->OnClose = [&offered, &c](TObject*, TCloseAction& action) {
                offered.push_back(action);
                action = c.action;
            };
        ASSERT_TRUE(ShowAndWait(form.get()));
        TGuard<TForm> guard(form.get());
        form->Close();
        if (c.handler) {
            // A form other than the main form is offered hiding.
            EXPECT_EQ(offered, std::vector<TCloseAction>{caHide}) << c.name;
        }
        EXPECT_EQ(form->Visible(), c.visibleAfter) << c.name;
        EXPECT_EQ(form->Handle()->isVisible(), c.visibleAfter) << c.name;
        if (c.destroyed) {
            form.release();
            EXPECT_TRUE(WaitFor([&] { return !guard.Alive(); })) << c.name;
        } else {
            DrainEvents(20);
            EXPECT_TRUE(guard.Alive()) << c.name;
        }
    }
}

TEST(Form, TheCloseBoxClosesTheFormThroughOnClose)
{
    FormPtr form = MakeForm(10, 10, 120, 80);
    int closes = 0;
    form->OnClose = [&](TObject* sender, TCloseAction&) {
        EXPECT_EQ(sender, form.get());
        ++closes;
    };
    ASSERT_TRUE(ShowAndWait(form.get()));
    form->Handle()->close();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(form->Visible());
}

TEST(Form, ShowActivatesAtOnceAndThePreviousFormHearsItFirst)
{
    ParkPointer();
    Log log;
    FormPtr a = MakeForm(10, 10, 200, 150), b = MakeForm(300, 10, 200, 150);
    Watch(a.get(), "A", log);
    Watch(b.get(), "B", log);

    a->Show();
    EXPECT_EQ(log, Log{"+A"});
    EXPECT_TRUE(a->Active());
    ASSERT_TRUE(ShowAndWait(a.get()));
    log.clear();

    b->Show();
    EXPECT_EQ(log, (Log{"-A", "+B"}));
    EXPECT_EQ(Application->ActiveForm(), b.get());
    DrainEvents(50);
    EXPECT_EQ(Application->ActiveForm(), b.get());
    EXPECT_EQ(log, (Log{"-A", "+B"}));

    // Showing a visible but inactive form activates it.
    log.clear();
    a->Show();
    EXPECT_EQ(log, (Log{"-B", "+A"}));
    DrainEvents(50);
    EXPECT_EQ(Application->ActiveForm(), a.get());
}

TEST(Form, TheLastFormShownStaysActiveOnceTheWindowSystemCatchesUp)
{
    FormPtr a = MakeForm(10, 10, 200, 150), b = MakeForm(300, 10, 200, 150);
    Log log;
    Watch(a.get(), "A", log);
    Watch(b.get(), "B", log);
    a->Show();
    b->Show();
    DrainEvents(100);
    EXPECT_EQ(Application->ActiveForm(), b.get());
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "+B");
}

TEST(Form, HidingTheActiveFormDeactivatesIt)
{
    Log log;
    FormPtr a = MakeForm(10, 10, 200, 150);
    Watch(a.get(), "A", log);
    ASSERT_TRUE(ShowAndWait(a.get()));
    log.clear();
    a->Hide();
    EXPECT_EQ(log, Log{"-A"});
    EXPECT_FALSE(a->Active());
    EXPECT_EQ(Application->ActiveForm(), nullptr);
    // Hiding an inactive form tells nobody anything.
    FormPtr b = MakeForm(10, 10, 200, 150);
    Watch(b.get(), "B", log);
    log.clear();
    b->Hide();
    EXPECT_TRUE(log.empty());
}

TEST(Form, FocusingAHiddenFormIsHarmless)
{
    FormPtr form = MakeForm(10, 10, 200, 150);
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    EXPECT_NO_THROW(form->SetFocus());
    EXPECT_NO_THROW(button->SetFocus());
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Active());
}

TEST(Form, FocusingAControlOfAnInactiveFormActivatesTheForm)
{
    Log log;
    FormPtr a = MakeForm(10, 10, 200, 150), b = MakeForm(300, 10, 200, 150);
    auto* button = new TButton(a.get());
    button->SetParent(a.get());
    ASSERT_TRUE(ShowAndWait(a.get()));
    ASSERT_TRUE(ShowAndWait(b.get()));
    Watch(a.get(), "A", log);
    Watch(b.get(), "B", log);
    button->SetFocus();
    EXPECT_EQ(log, (Log{"-B", "+A"}));
    EXPECT_TRUE(WaitFor([&] { return button->Focused(); }));
}

TEST(Form, PlacementModesPlaceTheFormAtItsFirstShow)
{
    FormPtr main = MakeForm(100, 50, 600, 400);
    MainFormScope scope(main.get());
    ASSERT_TRUE(ShowAndWait(main.get()));

    struct Case {
        const char* name;
        TPosition position;
        TPoint expected;
    };
    const Case cases[] = {
        {"designed", poDesigned, {7, 9}},
        {"main form centre", poMainFormCenter, {100 + (600 - 200) / 2, 50 + (400 - 100) / 2}},
        {"screen centre", poScreenCenter, {(1024 - 200) / 2, (768 - 100) / 2}},
    };
    for (const Case& c : cases) {
        FormPtr form = MakeForm(7, 9, 200, 100);
        form->SetPosition(c.position);
        ASSERT_TRUE(ShowAndWait(form.get()));
        EXPECT_EQ((TPoint{form->Left(), form->Top()}), c.expected) << c.name;
        EXPECT_EQ(form->Handle()->x(), c.expected.X) << c.name;
        // Only the first show places it: later shows keep where it was put.
        form->Hide();
        form->SetBounds(20, 30, 200, 100);
        form->Show();
        EXPECT_EQ((TPoint{form->Left(), form->Top()}), (TPoint{20, 30})) << c.name;
    }
}

TEST(Form, ScreenListsEveryFormUntilItIsDestroyed)
{
    auto listed = [](TForm* f) {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (Screen->Forms(i) == f)
                return true;
        return false;
    };
    const int before = Screen->FormCount();
    FormPtr shown = MakeForm(10, 10, 100, 100);
    FormPtr hidden = MakeForm(10, 10, 100, 100);
    shown->SetCaption("Shown");
    hidden->SetCaption("Hidden");
    hidden->SetTag(2);
    shown->Show();
    EXPECT_EQ(Screen->FormCount(), before + 2);
    EXPECT_TRUE(listed(shown.get()));
    EXPECT_TRUE(listed(hidden.get()));
    TForm* gone = hidden.get();
    hidden.reset();
    EXPECT_EQ(Screen->FormCount(), before + 1);
    EXPECT_FALSE(listed(gone));
    EXPECT_EQ(Screen->Width(), 1024);
    EXPECT_EQ(Screen->Height(), 768);
}

TEST(Form, EnterAndEscPressTheDefaultAndCancelButtons)
{
    FormPtr form = MakeForm(10, 10, 300, 100);
    int defaults = 0, cancels = 0, plains = 0;
    auto* ok = new TButton(form.get());
    ok->SetParent(form.get());
    ok->SetDefault(true);
    ok->OnClick = [&](TObject*) { ++defaults; };
    auto* cancel = new TButton(form.get());
    cancel->SetLeft(100);
    cancel->SetCancel(true);
    cancel->SetParent(form.get());
    cancel->OnClick = [&](TObject*) { ++cancels; };
    auto* plain = new TButton(form.get());
    plain->SetParent(form.get());
    plain->SetLeft(200);
    plain->OnClick = [&](TObject*) { ++plains; };
    ASSERT_TRUE(ShowAndWait(form.get()));

    struct Case {
        const char* name;
        int key;
        QWidget* to;
        int defaults, cancels, plains;
    };
    // A focused button takes Enter itself, as it takes Space.
    const Case cases[] = {
        {"Return to the window", Qt::Key_Return, form->Handle(), 1, 0, 0},
        {"Enter to the window", Qt::Key_Enter, form->Handle(), 1, 0, 0},
        {"Esc to the window", Qt::Key_Escape, form->Handle(), 0, 1, 0},
        {"Return in another button", Qt::Key_Return, plain->Handle(), 0, 0, 1},
        {"Enter in another button", Qt::Key_Enter, plain->Handle(), 0, 0, 1},
        {"Esc in another button", Qt::Key_Escape, plain->Handle(), 0, 1, 0},
        {"another key", Qt::Key_A, form->Handle(), 0, 0, 0},
    };
    for (const Case& c : cases) {
        defaults = cancels = plains = 0;
        QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier);
        QApplication::sendEvent(c.to, &press);
        EXPECT_EQ(defaults, c.defaults) << c.name;
        EXPECT_EQ(cancels, c.cancels) << c.name;
        EXPECT_EQ(plains, c.plains) << c.name;
    }

    // A disabled default button is not pressed.
    ok->SetEnabled(false);
    defaults = 0;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(form->Handle(), &press);
    EXPECT_EQ(defaults, 0);
}

TEST(Form, AMaximisedFormTakesTheScreenAndReportsItsOuterSize)
{
    FormPtr form = MakeForm(30, 40, 300, 200);
    form->SetMenu(MenuWithOneItem(form.get()));
    form->SetWindowState(wsMaximized);
    ASSERT_TRUE(ShowAndWait(form.get()));
    ASSERT_TRUE(WaitFor([&] { return form->Width() == 1024 && form->Height() == 768; }));
    EXPECT_EQ(form->ClientWidth(), 1024);
    EXPECT_EQ(form->ClientHeight(), 768 - MenuBarOf(form.get())->height());
    EXPECT_EQ(form->WindowState(), wsMaximized);
}

TEST(Form, BorderAndFormStylesChooseTheWindowKind)
{
    FormPtr form = MakeForm(30, 40, 300, 200);
    form->SetBorderStyle(bsSizeToolWin);
    form->SetFormStyle(fsStayOnTop);
    Qt::WindowFlags flags = form->Handle()->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    ASSERT_TRUE(ShowAndWait(form.get()));
    // Changing the style of a shown window keeps it shown.
    form->SetFormStyle(fsNormal);
    EXPECT_TRUE(form->Handle()->isVisible());
    EXPECT_FALSE(form->Handle()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form->Handle()->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
}

TEST(Form, AFormAlignedToTheClientFillsTheWorkAreaWheneverItIsRestored)
{
    const TRect area = Screen->WorkArea();
    ASSERT_FALSE(area.IsEmpty());
    // Shown restored: the work area, not the stored bounds.
    FormPtr restored = MakeForm(30, 40, 300, 200);
    restored->SetAlign(alClient);
    ASSERT_TRUE(ShowAndWait(restored.get()));
    EXPECT_EQ(restored->BoundsRect(), area);

    // Shown maximised, then restored: the work area again.
    FormPtr maximised = MakeForm(30, 40, 300, 200);
    maximised->SetAlign(alClient);
    maximised->SetWindowState(wsMaximized);
    ASSERT_TRUE(ShowAndWait(maximised.get()));
    maximised->SetBounds(50, 60, 200, 100);
    maximised->SetWindowState(wsNormal);
    DrainEvents();
    EXPECT_EQ(maximised->BoundsRect(), area);

    // Without the alignment a restored form keeps its own bounds.
    FormPtr plain = MakeForm(30, 40, 300, 200);
    ASSERT_TRUE(ShowAndWait(plain.get()));
    EXPECT_EQ(plain->BoundsRect(), Bounds(30, 40, 300, 200));
}
