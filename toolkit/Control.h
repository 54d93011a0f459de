#pragma once
// A control: a component with a parent, bounds, visibility, alignment, anchors
// and synchronous notifications. Windowless controls (TGraphicControl) are
// painted by their windowed parent; windowed ones (TWinControl) have a widget.
#include <functional>
#include <string>

#include "toolkit/AccessibleInfo.h"
#include "toolkit/Component.h"
#include "toolkit/Font.h"
#include "toolkit/Types.h"

class TWinControl;

enum TControlStyleFlag : unsigned { csOpaque = 1, csSetCaption = 2 };

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, int X, int Y)>;

class TControl : public TComponent {
public:
    TK_CLASS_NAME(TControl)
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    virtual bool IsWindowed() const { return false; }

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    // Places the control; the new bounds become the origin its anchors keep
    // and the one its zoom scales.
    void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    virtual int ClientWidth() const { return FWidth; }
    virtual int ClientHeight() const { return FHeight; }
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);

    // The factor this control's size and everything inside it (its children's
    // bounds, and theirs) are shown at, relative to the bounds they were given:
    // a container zoomed to 0.5 shows itself and its content at half size. Its
    // position stays its parent's business. The one place of the toolkit where
    // controls are scaled; 1 unless set.
    double Zoom() const { return FZoom; }
    void SetZoom(double value);
    // The product of this control's zoom and its parents': the factor its
    // content is shown at.
    double TotalZoom() const;
    // The bounds the control would have with its own zoom set to the value,
    // its position unchanged.
    TRect BoundsAtZoom(double zoom) const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);

    TColor Color() const { return FColor; }
    virtual void SetColor(TColor value);
    const std::string& Caption() const { return FCaption; }
    virtual void SetCaption(const std::string& value);
    const TFont& Font() const { return FFont; }
    virtual void SetFont(const TFont& font);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    unsigned ControlStyle() const { return FControlStyle; }
    void SetControlStyle(unsigned style) { FControlStyle = style; }
    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int value) { FTabOrder = value; }
    // A tab stop is reached with Tab; a windowless one through the keyboard
    // cursor of its windowed parent.
    bool TabStop() const { return FTabStop; }
    virtual void SetTabStop(bool value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }

    virtual void Invalidate();
    virtual void Update();
    void Repaint() { Invalidate(); Update(); }
    void BringToFront();

    // Delivers a notification synchronously; the handler may destroy or move
    // the control, so callers must not trust what they held before it.
    intptr_t Perform(unsigned msg, intptr_t wparam, intptr_t lparam);
    virtual void WndProc(TMessage& message);

    virtual void Click();
    virtual void DblClick();
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // Pointer input in client coordinates, delivered by the windowed parent
    // (or the control's own widget). A press that arrives as a double click
    // starts no click.
    virtual void MouseDown(TMouseButton button, int x, int y, bool doubleClick);
    virtual void MouseUp(TMouseButton button, int x, int y);
    virtual void MouseMove(int x, int y);

    // A key for the control that has the keyboard (a windowless one has it
    // while it holds its parent's keyboard cursor); true when handled.
    virtual bool KeyDown(int key, TShiftState shift);
    // The keyboard cursor rests on this windowless control, shown, and its
    // parent has the focus: the parent draws a focus mark around it.
    bool KeyboardFocused() const;
    // Where the focus mark goes, in the parent's client coordinates.
    virtual TRect FocusMarkRect() const;

    // What a screen reader is told about the control, and its press action
    // (true when there is one and it ran).
    virtual void GetAccessibleInfo(TAccessibleInfo& info) const;
    virtual bool AccessiblePress();
    // Tells a screen reader that what GetAccessibleInfo says has changed.
    void AccessibleChanged(TAccessibleChange change);

    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;

protected:
    // Called after the bounds changed; windowed controls move their widget.
    virtual void BoundsChanged(const TRect& oldBounds);
    virtual void VisibleChanged() {}
    virtual void FontChanged() {}
    virtual void CaptionChanged() {}
    // Sets bounds without resetting the anchor origin (alignment and anchors).
    void PlaceBy(int left, int top, int width, int height);
    void RecordAnchorOrigin();
    // Called after the parent laid out its aligned children (its client area
    // changed size, or an aligned child came, went or changed size).
    virtual void ParentRealigned() {}
    // New bounds from the anchors after the parent's client area changed size.
    void ApplyAnchors(int parentWidth, int parentHeight);
    void ParentFontChanged(const TFont& font);

private:
    friend class TWinControl;
    void ApplyBounds(int left, int top, int width, int height);
    void RecordZoomOrigin(bool position, bool size);
    // Places the control (and its children) from its zoom origin at the
    // zoom it now has.
    void FollowZoom();

    TWinControl* FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    TAlign FAlign = alNone;
    TAnchors FAnchors = akLeft | akTop;
    TColor FColor = clBtnFace;
    std::string FCaption;
    TFont FFont;
    bool FParentFont = true;
    unsigned FControlStyle = 0;
    int FTabOrder = -1;
    bool FTabStop = false;
    std::string FHint;
    bool FPressed = false;

    double FZoom = 1.0;
    // The bounds as given, with the total zooms they were given at: the
    // parent's for the position, the control's own for the size.
    TRect FZoomOrigin;
    double FZoomOriginPosition = 1.0, FZoomOriginSize = 1.0;

    TRect FAnchorOrigin;
    int FAnchorParentWidth = -1, FAnchorParentHeight = -1;
};
