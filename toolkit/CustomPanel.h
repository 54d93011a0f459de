#pragma once
// A windowed control that paints itself on its own surface and can parent
// other controls; derived classes replace Paint.
#include "toolkit/WinControl.h"

enum TBevelCut { bvNone, bvLowered, bvRaised };

class TCustomPanel : public TWinControl {
public:
    TK_CLASS_NAME(TCustomPanel)
    explicit TCustomPanel(TComponent* AOwner);

    // The surface canvas, valid while the panel paints.
    TCanvas* Canvas() const { return SurfaceCanvas(); }
    void SetName(const std::string& name) override;

    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    void GetAccessibleInfo(TAccessibleInfo& info) const override;

protected:
    void PaintWindow(TCanvas& canvas) override;
    // Background, bevels and caption.
    virtual void Paint();

private:
    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
};
