#include "toolkit/Form.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <utility>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/ControlAccessibility.h"
#include "toolkit/FormFrame.h"
#include "toolkit/MainMenu.h"
#include "toolkit/MenuItem.h"
#include "toolkit/QtBridge.h"
#include "toolkit/Screen.h"
#include "toolkit/SurfaceWidget.h"
#include "toolkit/X11Frames.h"

namespace {
// Frame thickness, per kind of window (normal, tool): what the window
// manager announced at start-up, or what the last framed window measured.
QMargins gMargins[2];
bool gMarginsKnown[2];

bool IsToolStyle(TBorderStyle s) { return s == bsToolWindow || s == bsSizeToolWin; }

// The offscreen platform keeps no stacking order and complains when asked.
void RaiseWindow(QWidget* w)
{
    static const bool canRaise = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (canRaise)
        w->raise();
}
} // namespace

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner)
{
    FFrame = new TkFormFrame(this);
    FFrame->setAttribute(Qt::WA_QuitOnClose, false);
    // The client area composes straight into the window's backing store.
    FClient = new TkSurfaceWidget(this, false);
    FClient->setParent(FFrame);
    SetWidget(FFrame, FClient, true);
    TControl::SetVisible(false);
    ApplyWindowFlags();
    SetBounds(0, 0, 320, 240);
    Screen->AddForm(this);
}

TForm::~TForm()
{
    Screen->RemoveForm(this);
    if (Application)
        Application->FormDestroyed(this);
    DetachMenu();
}

// The menu stops reporting its changes to this form.
void TForm::DetachMenu()
{
    if (TMainMenu* menu = FMenu.Get()) {
        menu->OnStructureChange = nullptr;
        menu->OnStateChange = nullptr;
    }
}

QWidget* TForm::ClientHost() const { return FClient; }
int TForm::ClientWidth() const { return FFrame->width(); }
int TForm::ClientHeight() const { return std::max(0, FFrame->height() - MenuBarHeight()); }

TPoint TForm::ClientOrigin() const
{
    QPoint p = FClient->mapToGlobal(QPoint(0, 0));
    return TPoint{p.x(), p.y()};
}

int TForm::MenuBarHeight() const
{
    return FMenuBar ? FMenuBar->sizeHint().height() : 0;
}

static QMargins CurrentMargins(const QWidget* frame, TBorderStyle style)
{
    if (style == bsNone)
        return QMargins();
    const int kind = IsToolStyle(style) ? 1 : 0;
    QMargins& cache = gMargins[kind];
    if (frame->isVisible()) {
        // What the window manager says of this very window comes first: Qt's
        // own frame geometry is worked out from the window tree and can be
        // caught halfway through the framing.
        if (std::optional<QMargins> announced = TkX11Frames::FrameOf(frame)) {
            cache = *announced;
            gMarginsKnown[kind] = true;
            return cache;
        }
        QRect f = frame->frameGeometry(), g = frame->geometry();
        QMargins m(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
        if (!m.isNull()) {
            cache = m;
            gMarginsKnown[kind] = true;
        }
    }
    // Outer sizes are given before the first window of a kind is framed.
    if (!gMarginsKnown[kind]) {
        if (std::optional<QMargins> announced = TkX11Frames::Extents(kind == 1))
            cache = *announced;
        gMarginsKnown[kind] = true;
    }
    return cache;
}

void TForm::SetClientSize(int width, int height)
{
    FFrame->resize(std::max(0, width), std::max(0, height) + MenuBarHeight());
    FrameGeometryChanged();
}

void TForm::LayoutFrame()
{
    const int mh = MenuBarHeight();
    if (FMenuBar)
        FMenuBar->setGeometry(0, 0, FFrame->width(), mh);
    FClient->setGeometry(0, mh, FFrame->width(), std::max(0, FFrame->height() - mh));
    ClientSizeChanged();
}

void TForm::FrameGeometryChanged()
{
    LayoutFrame();
    // A report of a step of our own placement (the move before the resize)
    // must not undo the rest of it.
    if (FApplying)
        return;
    // The outer rectangle from the client area and the margins, as it was
    // placed: Qt's own idea of the frame lags behind the window manager's.
    QMargins m = CurrentMargins(FFrame, FBorderStyle);
    QRect g = FFrame->geometry();
    FSyncing = true;
    PlaceBy(g.x() - m.left(), g.y() - m.top(), g.width() + m.left() + m.right(), g.height() + m.top() + m.bottom());
    FSyncing = false;
}

void TForm::BoundsChanged(const TRect&)
{
    if (FSyncing)
        return;
    const TRect want = BoundsRect();
    QMargins m = CurrentMargins(FFrame, FBorderStyle);
    // A form left to the window manager's placement keeps it until shown.
    bool placeable = FPlaced || !(FPosition == poDefault || FPosition == poDefaultPosOnly);
    const int clientWidth = std::max(0, want.Width() - m.left() - m.right());
    const int clientHeight = std::max(0, want.Height() - m.top() - m.bottom());
    FApplying = true;
    // The client area is placed, not the frame: where the frame's corner goes
    // is then ours to work out from the margins we know, and does not wait
    // for Qt to learn the frame of a window that was only just shown.
    if (placeable)
        FFrame->setGeometry(want.Left + m.left(), want.Top + m.top(), clientWidth, clientHeight);
    else
        FFrame->resize(clientWidth, clientHeight);
    FApplying = false;
    LayoutFrame();
    // The minimum size wins over a smaller size: the bounds say what the window is.
    const int outerWidth = FFrame->width() + m.left() + m.right();
    const int outerHeight = FFrame->height() + m.top() + m.bottom();
    if (outerWidth != want.Width() || outerHeight != want.Height()) {
        FSyncing = true;
        PlaceBy(want.Left, want.Top, outerWidth, outerHeight);
        FSyncing = false;
    }
}

void TForm::SetConstraints(int minWidth, int minHeight)
{
    FMinWidth = minWidth;
    FMinHeight = minHeight;
    QMargins m = CurrentMargins(FFrame, FBorderStyle);
    FFrame->setMinimumSize(std::max(0, minWidth - m.left() - m.right()), std::max(0, minHeight - m.top() - m.bottom()));
}

void TForm::SetBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    ApplyWindowFlags();
}

void TForm::SetFormStyle(TFormStyle value)
{
    if (value == FFormStyle)
        return;
    FFormStyle = value;
    ApplyWindowFlags();
}

void TForm::SetWindowState(TWindowState value)
{
    FWindowState = value;
    if (!Visible())
        return;
    AlignToWorkArea();
    if (value == wsMaximized)
        FFrame->showMaximized();
    else if (value == wsMinimized)
        FFrame->showMinimized();
    else
        FFrame->showNormal();
}

void TForm::FrameStateChanged()
{
    const Qt::WindowStates s = FFrame->windowState();
    const TWindowState now = (s & Qt::WindowMinimized) ? wsMinimized : (s & Qt::WindowMaximized) ? wsMaximized : wsNormal;
    if (now == FWindowState)
        return;
    FWindowState = now;
    AlignToWorkArea();
}

void TForm::AlignToWorkArea()
{
    if (Align() != alClient || FWindowState != wsNormal)
        return;
    const TRect area = Screen->WorkArea();
    if (!area.IsEmpty())
        SetBounds(area.Left, area.Top, area.Width(), area.Height());
}

void TForm::ApplyWindowFlags()
{
    Qt::WindowFlags f = Qt::Window;
    if (IsToolStyle(FBorderStyle))
        f = Qt::Tool;
    else if (FBorderStyle == bsDialog)
        f = Qt::Dialog;
    if (FBorderStyle == bsNone)
        f |= Qt::FramelessWindowHint;
    if (FFormStyle == fsStayOnTop)
        f |= Qt::WindowStaysOnTopHint;
    bool visible = FFrame->isVisible();
    FFrame->setWindowFlags(f);
    if (visible)
        FFrame->show();
}

void TForm::CaptionChanged()
{
    FFrame->setWindowTitle(ToQString(Caption()));
    NameTextViewsAfterWindow(this);
}

void TForm::PlaceForFirstShow()
{
    TForm* main = Application->MainForm();
    if (FPosition == poMainFormCenter && main && main != this && main->Visible()) {
        SetBounds(main->Left() + (main->Width() - Width()) / 2, main->Top() + (main->Height() - Height()) / 2, Width(), Height());
    } else if (FPosition == poScreenCenter || FPosition == poMainFormCenter) {
        SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
    }
}

void TForm::VisibleChanged()
{
    if (Visible()) {
        if (!FPlaced) {
            PlaceForFirstShow();
            AlignToWorkArea();
            FocusFirstControl();
            FPlaced = true;
        } else if (!FFrame->isVisible()) {
            TkX11Frames::AwaitWithdrawal(FFrame);
        }
        if (FWindowState == wsMaximized)
            FFrame->showMaximized();
        else
            FFrame->show();
        RaiseWindow(FFrame);
        FFrame->activateWindow();
        Application->SetActiveForm(this);
    } else {
        FFrame->hide();
        Application->FormDeactivated(this);
    }
}

void TForm::FocusFirstControl()
{
    // The control first in the tab order has the keyboard when the window opens.
    TWinControl* first = nullptr;
    for (int i = 0; i < ControlCount(); ++i) {
        auto* w = dynamic_cast<TWinControl*>(Controls(i));
        if (w && w->Visible() && w->Enabled() && w->TabOrder() >= 0 && (!first || w->TabOrder() < first->TabOrder()))
            first = w;
    }
    if (first && first->Handle()->focusPolicy() != Qt::NoFocus)
        first->Handle()->setFocus(Qt::OtherFocusReason);
}

void TForm::Show()
{
    if (!Visible()) {
        SetVisible(true);
        return;
    }
    RaiseWindow(FFrame);
    FFrame->activateWindow();
    Application->SetActiveForm(this);
}

void TForm::Close()
{
    TCloseAction action = Application->MainForm() == this ? caFree : caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == caNone || action == caMinimize)
        return;
    if (Application->MainForm() == this) {
        Hide();
        Application->Terminate();
        return;
    }
    Hide();
    if (action == caFree) {
        TGuard<TForm> self(this);
        QTimer::singleShot(0, [self] {
            if (TForm* f = self.Get())
                delete f;
        });
    }
}

void TForm::SetFocus()
{
    // A hidden window cannot take the focus; asking for it is not an error.
    if (!Visible())
        return;
    RaiseWindow(FFrame);
    FFrame->activateWindow();
    Application->SetActiveForm(this);
}

bool TForm::Active() const
{
    return Application->ActiveForm() == this;
}

void TForm::FitToControls()
{
    bool any = false;
    TRect box;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible())
            continue;
        TRect r = c->BoundsRect();
        box = any ? Rect(std::min(box.Left, r.Left), std::min(box.Top, r.Top), std::max(box.Right, r.Right), std::max(box.Bottom, r.Bottom)) : r;
        any = true;
    }
    if (!any)
        return;
    if (box.Left != 0 || box.Top != 0)
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (c->Visible() && c->Align() == alNone)
                c->SetBounds(c->Left() - box.Left, c->Top() - box.Top, c->Width(), c->Height());
        }
    // The fit places the controls itself: their anchors act from the fitted
    // client area on, not while the client area changes to it.
    std::vector<std::pair<TControl*, TAnchors>> anchors;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        anchors.emplace_back(c, c->Anchors());
        c->SetAnchors(akLeft | akTop);
    }
    SetClientSize(box.Width(), box.Height());
    for (auto& [c, a] : anchors)
        c->SetAnchors(a);
}

void TForm::Loaded()
{
    TWinControl::Loaded();
    const int desktop = Screen->PixelsPerInch();
    if (FPixelsPerInch > 0 && desktop != FPixelsPerInch)
        SetZoom(double(desktop) / FPixelsPerInch);
}

void TForm::DoCreate()
{
    if (OnCreate)
        OnCreate(this);
}

void TForm::Activated(bool active)
{
    if (active && OnActivate)
        OnActivate(this);
    else if (!active && OnDeactivate)
        OnDeactivate(this);
}

bool TForm::FrameKey(int key)
{
    TControl* target = nullptr;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        target = FDefaultControl.Get();
    else if (key == Qt::Key_Escape)
        target = FCancelControl.Get();
    if (!target || !target->Visible() || !target->Enabled())
        return false;
    target->Click();
    return true;
}

void TForm::SetMenu(TMainMenu* menu)
{
    // The menu bar takes its room from the window, not from the client area.
    const int clientWidth = FFrame->width(), clientHeight = ClientHeight();
    DetachMenu();
    FMenu = TGuard<TMainMenu>(menu);
    if (menu) {
        if (!FMenuBar)
            FMenuBar = new QMenuBar(FFrame);
        FMenuBar->show();
        menu->OnStructureChange = [this] { RebuildMenuBar(); };
        menu->OnStateChange = [this](TMenuItem* item) { MenuItemStateChanged(item); };
        RebuildMenuBar();
    } else if (FMenuBar) {
        delete FMenuBar;
        FMenuBar = nullptr;
    }
    FFrame->resize(clientWidth, clientHeight + MenuBarHeight());
    FrameGeometryChanged();
}

namespace {
void ConnectItem(QAction* action, TMenuItem* item)
{
    TGuard<TMenuItem> guard(item);
    QObject::connect(action, &QAction::triggered, action, [guard] {
        TMenuItem* it = guard.Get();
        if (!it)
            return;
        // The check mark is the item's to set, not Qt's toggle.
        if (it->Action())
            it->Action()->setChecked(it->Checked());
        Application->Guard(it, [it] { it->Click(); });
    });
}

void FillMenu(QMenu* menu, TMenuItem* parent)
{
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (item->Count() > 0) {
            QMenu* sub = menu->addMenu(ToQString(item->Caption()));
            item->SetAction(sub->menuAction());
            FillMenu(sub, item);
            continue;
        }
        QAction* a = menu->addAction(ToQString(item->Caption()));
        a->setCheckable(item->Checked());
        a->setChecked(item->Checked());
        a->setEnabled(item->Enabled());
        item->SetAction(a);
        ConnectItem(a, item);
    }
}
} // namespace

void TForm::RebuildMenuBar()
{
    TMainMenu* menu = FMenu.Get();
    if (!FMenuBar || !menu)
        return;
    FMenuBar->clear();
    for (QMenu* old : FMenuBar->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        old->deleteLater();
    TMenuItem* root = menu->Items();
    for (int i = 0; i < root->Count(); ++i) {
        TMenuItem* top = root->Items(i);
        if (top->Count() == 0 && top->OnClick) {
            QAction* a = FMenuBar->addAction(ToQString(top->Caption()));
            top->SetAction(a);
            ConnectItem(a, top);
            continue;
        }
        QMenu* m = new QMenu(ToQString(top->Caption()), FMenuBar);
        FMenuBar->addMenu(m);
        top->SetAction(m->menuAction());
        FillMenu(m, top);
    }
    LayoutFrame();
}

void TForm::MenuItemStateChanged(TMenuItem* item)
{
    QAction* a = item->Action();
    if (!a)
        return;
    if (item->Count() == 0) {
        a->setCheckable(item->Checked());
        a->setChecked(item->Checked());
    }
    a->setEnabled(item->Enabled());
}
