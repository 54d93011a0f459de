#pragma once
// A line of text painted on its parent's surface, sized to its text.
#include "toolkit/GraphicControl.h"

class TLabel : public TGraphicControl {
public:
    TK_CLASS_NAME(TLabel)
    explicit TLabel(TComponent* AOwner);

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    void GetAccessibleInfo(TAccessibleInfo& info) const override;

protected:
    void Paint() override;
    void CaptionChanged() override { AdjustBounds(); }
    void FontChanged() override { AdjustBounds(); }
    void Loaded() override { AdjustBounds(); }

private:
    void AdjustBounds();
    bool FAutoSize = true;
    TAlignment FAlignment = taLeftJustify;
    bool FWordWrap = false;
    bool FTransparent = false;
};
