#pragma once
// A control without a window of its own: its parent paints it, after itself
// and in child order, and its canvas is the parent's surface at its place.
#include <memory>

#include "toolkit/Canvas.h"
#include "toolkit/Control.h"

class QImage;

class TGraphicControl : public TControl {
public:
    TK_CLASS_NAME(TGraphicControl)
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    // Valid while the control paints; reading it gives what the parent and
    // the siblings beneath have painted there.
    TCanvas* Canvas() const { return FCanvas.get(); }

    // Called by the parent's surface painting: clip is in the surface's coordinates.
    void PaintOn(QImage& surface, const TRect& clip);

    // True while a paint sets every pixel of the control's rectangle without
    // reading what lies beneath: a change of its look then needs nothing
    // beneath it painted again.
    virtual bool CoversItself() const { return false; }

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> FCanvas;
};
