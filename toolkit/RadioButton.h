#pragma once
// A radio button. Setting Checked to true on an unchecked button unchecks the
// other radio buttons of the same parent (without their OnClick) and then
// raises its own OnClick; setting it to false, or to true on a checked button,
// raises nothing. While a definition is loaded nothing is raised at all.
#include "toolkit/WinControl.h"

class TRadioButton : public TWinControl {
public:
    TK_CLASS_NAME(TRadioButton)
    explicit TRadioButton(TComponent* AOwner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    // A user's click: checks an unchecked button, ignores a checked one.
    void UserClick();

protected:
    void CaptionChanged() override;

private:
    void ShowChecked(bool value);
    bool FChecked = false;
    bool FTabStop = false;
};
