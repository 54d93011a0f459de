#pragma once
// A control with a widget of its own. It keeps an ordered list of child
// controls (creation order; later children lie above earlier ones), paints
// itself and then its windowless children on one surface, and hands pointer
// moves and presses on to the child under the pointer. CM_MOUSEENTER and
// CM_MOUSELEAVE come from the pointer owner (Pointer.h).
#include <memory>
#include <vector>

#include "toolkit/Control.h"

class QWidget;
class QImage;
class TCanvas;
class TkSurfaceWidget;

class TWinControl : public TControl {
public:
    TK_CLASS_NAME(TWinControl)
    explicit TWinControl(TComponent* AOwner);
    // Destroys the controls it parents, then its widget.
    ~TWinControl() override;

    bool IsWindowed() const override { return true; }

    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(size_t(index)); }
    int IndexOfControl(const TControl* control) const;
    // The frontmost visible windowless child at a client position.
    TControl* ControlAtPos(TPoint p) const;

    QWidget* Handle() const { return FWidget; }
    // The widget that hosts the children's widgets and whose area is the client area.
    virtual QWidget* ClientHost() const { return FWidget; }
    int ClientWidth() const override;
    int ClientHeight() const override;
    TPoint ClientOrigin() const override;

    void SetEnabled(bool value) override;
    void Invalidate() override;
    void Update() override;
    // The content in r changed: composed again at the next paint.
    void InvalidateArea(const TRect& r);
    void UpdateArea(const TRect& r);
    // Only the look of this windowless child changed. When the child covers
    // itself, nothing beneath it is composed again.
    void InvalidateControl(TControl* child);

    virtual void SetFocus();
    bool Focused() const;
    void SetTabStop(bool value) override;
    // Gives the control the focus once the input being handled now is done,
    // unless another window has taken the activation by then.
    void FocusWhenIdle();

    // The keyboard cursor over the windowless children that are tab stops:
    // Tab and Shift+Tab move it in child order and leave the control at
    // either end (when anything else can take the focus), the arrow keys move
    // it round; keys go to the child it rests on. It shows (with a focus mark
    // drawn around the child) once the keyboard has moved it, and only while
    // this control has the focus.
    TControl* FocusedChild() const { return FFocusedChild.Get(); }
    bool FocusedChildShown() const { return FFocusedChildShown && FFocusedChild.Alive(); }
    void SetFocusedChild(TControl* child, bool shown);
    bool HasFocusableChildren() const;

    // Lays out aligned children and moves anchored ones after a size change;
    // then every child hears of it (ParentRealigned).
    void Realign();
    // The part of the client area that the children aligned to its top and
    // bottom edges leave free (a header, a status bar).
    TRect FreeClientRect() const;

    // Entry points of the widget adapters.
    void PaintSurface(QImage& surface, const TRect& clip);
    // Paints one windowless child again, and the later siblings over it.
    void PaintControlLook(QImage& surface, TControl* child);
    void PointerMovedTo(TPoint p);
    void PointerButton(bool press, TMouseButton button, TPoint p, bool doubleClick);
    void ClientSizeChanged();
    // Keys and focus changes of the keyboard adapter; true when the key was used.
    bool KeyPressed(int key, TShiftState shift);
    void FocusEntered(bool byTab, bool backwards, bool byPointer);
    void FocusLeft();

protected:
    // Takes ownership of the widget. eventSource, when given, gets the adapter
    // that turns its Qt events into notifications; routeButtons lets presses
    // reach this control and its windowless children (panels, forms).
    void SetWidget(QWidget* widget, QWidget* eventSource, bool routeButtons);
    // Paints the control's own content (before the windowless children).
    virtual void PaintWindow(TCanvas& canvas);
    // The canvas of the surface while it paints.
    TCanvas* SurfaceCanvas() const { return FSurfaceCanvas.get(); }
    void BoundsChanged(const TRect& oldBounds) override;
    void VisibleChanged() override;
    void FontChanged() override;
    virtual void ClientResized();
    void ApplyWidgetFont();

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void MoveToFront(TControl* control);
    void ShowWidgetIfPlaced();
    bool MoveChildFocus(bool forward, bool leaveAtEnds);
    bool OtherTabTargetExists() const;
    void ApplyFocusPolicy();
    void PaintFocusMark(TCanvas& canvas, const TRect& clip);
    void InvalidateFocusMark();
    // The retained surface this control composes into, if it has one.
    TkSurfaceWidget* Surface() const;

    std::vector<TControl*> FControls;
    QWidget* FWidget = nullptr;
    QWidget* FEventWidget = nullptr;
    std::unique_ptr<TCanvas> FSurfaceCanvas;
    TGuard<TControl> FCaptureControl;
    int FLastClientWidth = -1;
    int FLastClientHeight = -1;
    bool FRealigning = false;
    TGuard<TControl> FFocusedChild;
    bool FFocusedChildShown = false;
};
