#pragma once
// A radio button. Setting Checked to true on an unchecked button unchecks the
// other radio buttons of the same parent (without their OnClick) and then
// raises its own OnClick; setting it to false, or to true on a checked button,
// raises nothing. While a definition is loaded nothing is raised at all.
// The buttons of one parent are one tab stop, the checked one; the arrow keys
// move to the next button and check it as a click does.
#include "toolkit/WinControl.h"

class TRadioButton : public TWinControl {
public:
    TK_CLASS_NAME(TRadioButton)
    explicit TRadioButton(TComponent* AOwner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    // A user's click: checks an unchecked button, ignores a checked one.
    void UserClick();
    bool KeyDown(int key, TShiftState shift) override;
    // The colour the label is drawn in: the font's, or black or white where
    // the theme's text colour would not read on the parent's colour.
    TColor TextColor() const;
    void GetAccessibleInfo(TAccessibleInfo& info) const override;

protected:
    void CaptionChanged() override;

private:
    void ShowChecked(bool value);
    bool FChecked = false;
};
