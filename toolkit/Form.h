#pragma once
// A top-level window. Left, Top, Width and Height are its outer rectangle,
// frame and caption bar included; the client area lies below the menu bar.
// A form aligned alClient fills the desktop's work area whenever it is
// neither maximised nor minimised.
#include <functional>

#include "toolkit/WinControl.h"

class TMainMenu;
class TMenuItem;
class TkFormFrame;
class TkSurfaceWidget;
class QMenuBar;

enum TFormStyle { fsNormal, fsStayOnTop };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poMainFormCenter };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

class TForm : public TWinControl {
public:
    TK_CLASS_NAME(TForm)
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    QWidget* ClientHost() const override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
    void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }
    void SetClientSize(int width, int height);
    TPoint ClientOrigin() const override;

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState value);
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool value) { FAutoScroll = value; }
    // Outer minimum size; 0 means none.
    int MinWidth() const { return FMinWidth; }
    int MinHeight() const { return FMinHeight; }
    void SetConstraints(int minWidth, int minHeight);

    // The dots per inch a definition was laid out for (0: none). A form whose
    // definition was made for another density than the desktop's is zoomed
    // to it once loaded, with everything on it.
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int value) { FPixelsPerInch = value; }

    TMainMenu* Menu() const { return FMenu.Get(); }
    void SetMenu(TMainMenu* menu);

    // Makes the form visible and brings it to the front, activating it.
    void Show();
    // Runs OnClose; by default a form hides and the main form ends the program.
    void Close();
    void SetFocus() override;
    bool Active() const;
    // Sizes the client area once to the bounding box of the visible controls,
    // moving them together so that the box starts at the client's corner.
    void FitToControls();

    // Enter presses the default button, Esc the cancel button.
    void SetDefaultControl(TControl* control) { FDefaultControl = TGuard<TControl>(control); }
    void SetCancelControl(TControl* control) { FCancelControl = TGuard<TControl>(control); }

    void DoCreate();
    TNotifyEvent OnCreate;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;

    // The form became or stopped being the active window.
    virtual void Activated(bool active);

    // F1 in the form: its OnHelp, or the main form's when it has none.
    TNotifyEvent OnHelp;
    void Help();
    void GetAccessibleInfo(TAccessibleInfo& info) const override;

    // Entry points of the frame widget.
    void FrameGeometryChanged();
    // The window system maximised, minimised or restored the window.
    void FrameStateChanged();
    bool FrameKey(int key);

protected:
    void Loaded() override;
    void BoundsChanged(const TRect& oldBounds) override;
    void VisibleChanged() override;
    void CaptionChanged() override;

private:
    void LayoutFrame();
    void AlignToWorkArea();
    void ApplyWindowFlags();
    void PlaceForFirstShow();
    void FocusFirstControl();
    void RebuildMenuBar();
    void DetachMenu();
    void MenuItemStateChanged(TMenuItem* item);
    int MenuBarHeight() const;

    TkFormFrame* FFrame;
    TkSurfaceWidget* FClient;
    QMenuBar* FMenuBar = nullptr;
    // Not owned; a menu destroyed first leaves the form without one.
    TGuard<TMainMenu> FMenu;
    TBorderStyle FBorderStyle = bsSizeable;
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    bool FAutoScroll = true;
    int FMinWidth = 0, FMinHeight = 0;
    int FPixelsPerInch = 0;
    bool FPlaced = false;
    bool FSyncing = false;
    bool FApplying = false;
    TGuard<TControl> FDefaultControl;
    TGuard<TControl> FCancelControl;
};
