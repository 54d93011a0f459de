#pragma once
// What a control tells a screen reader about itself, in the toolkit's terms;
// toolkit/Accessible*.cpp hands it to Qt's accessibility framework.
#include <string>

enum TAccessibleRole {
    arDefault,     // what the control's kind implies
    arWindow,      // a main window
    arDialog,      // any other window
    arClient,      // an area that only groups what lies on it
    arPanel,
    arImage,
    arLabel,
    arPushButton,
    arRadioButton,
    arSpinButton,  // a control that steps through a few named values
    arText,
};

enum TAccessibleStateFlag : unsigned {
    asFocusable = 1,
    asFocused = 2,
    asCheckable = 4,
    asChecked = 8,
    asExpandable = 16,
    asExpanded = 32,
};
using TAccessibleStates = unsigned;

struct TAccessibleInfo {
    TAccessibleRole Role = arDefault;
    std::string Name;
    std::string Description;
    // The value in words ("middle and right"); empty when the control has none.
    std::string Value;
    // The same value as a number within Minimum..Maximum, when HasNumber.
    bool HasNumber = false;
    double Number = 0, Minimum = 0, Maximum = 0;
    TAccessibleStates States = 0;
    // The control offers a press action (AccessiblePress).
    bool Pressable = false;
};

// What changed, for the announcement a screen reader follows.
enum TAccessibleChange { acFocus, acState, acValue, acName };
