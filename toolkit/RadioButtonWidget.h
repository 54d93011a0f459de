#pragma once
// The widget of a TRadioButton, for the toolkit's own sources.
#include <QRadioButton>

class TRadioButton;

class TkRadioButton : public QRadioButton {
public:
    explicit TkRadioButton(TRadioButton* control) : FControl(control) {}
    TRadioButton* Control() const { return FControl; }

protected:
    // Qt would toggle the button itself; the control decides what a click does.
    void nextCheckState() override {}
    // The label in a colour that reads on the surface beneath it.
    void paintEvent(QPaintEvent* event) override;

private:
    TRadioButton* FControl;
};
