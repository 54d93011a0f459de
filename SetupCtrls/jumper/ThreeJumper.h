#pragma once
// A drawn three-pin jumper header with its shorting cap, seen from above. A
// click moves the cap on: open, left pair, right pair, open again (or left,
// right, left when the open position is not allowed). The picture is drawn
// lying horizontally into one bitmap, turned into a second one and copied
// onto the parent's surface.
#include <memory>

#include "SetupCtrls/jumper/JumperTypes.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/Types.h"

class TBitmap;

class TThreeJumper : public TGraphicControl {
public:
    TK_CLASS_NAME(TThreeJumper)
    explicit TThreeJumper(TComponent* AOwner);
    ~TThreeJumper() override;

    TJumperState JumperState() const { return FJumperState; }
    // jsOpen is ignored while AllowOpen is False.
    void SetJumperState(TJumperState value);
    TColor BaseColor() const { return FBaseColor; }
    void SetBaseColor(TColor value);
    TColor PinColor() const { return FPinColor; }
    void SetPinColor(TColor value);
    TColor JumperColor() const { return FJumperColor; }
    void SetJumperColor(TColor value);
    TOrientationType Orientation() const { return FOrientation; }
    // Turning into the other pair (horizontal <-> upright) makes the next
    // paint exchange Width and Height once the jumper has been shown.
    void SetOrientation(TOrientationType value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool AllowOpen() const { return FAllowOpen; }
    // Forbidding the open position while open moves the cap to the left pair.
    void SetAllowOpen(bool value);

    // Moves the cap on, then raises OnClick so that handlers see the new state.
    void Click() override;
    // Space or Enter, and a screen reader's press, act as a click.
    bool KeyDown(int key, TShiftState shift) override;
    bool AccessiblePress() override;
    // Named by its hint; its value says which pins the cap joins.
    void GetAccessibleInfo(TAccessibleInfo& info) const override;

    // The drawing after turning and before it, as the last paint left them.
    const TBitmap* RotatedBitmap() const { return FRotatedBitmap.get(); }
    const TBitmap* DrawBitmap() const { return FDrawBitmap.get(); }

protected:
    void Paint() override;

private:
    TColor BackgroundColor() const;
    void DrawHorizontal();
    void Rotate();

    TOrientationType FOrientation;
    TJumperState FJumperState;
    std::unique_ptr<TBitmap> FRotatedBitmap;
    std::unique_ptr<TBitmap> FDrawBitmap;
    bool FSwapPending;
    bool FPainted;
    TColor FBaseColor;
    TColor FJumperColor;
    TColor FPinColor;
    TBorderStyle FBorderStyle;
    bool FAllowOpen;
};
