#pragma once
// A push button; the default button answers Enter and the cancel button Esc
// anywhere in its form.
#include "toolkit/WinControl.h"

class TButton : public TWinControl {
public:
    TK_CLASS_NAME(TButton)
    explicit TButton(TComponent* AOwner);

    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value);
    void SetParent(TWinControl* parent) override;
    // Enter presses the focused button as Space does.
    bool KeyDown(int key, TShiftState shift) override;

protected:
    void CaptionChanged() override;

private:
    void RegisterRoles();
    bool FDefault = false;
    bool FCancel = false;
};
