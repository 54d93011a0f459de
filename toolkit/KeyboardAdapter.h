#pragma once
// Turns a widget's key presses and focus changes into the toolkit's: keys
// reach the control (and the windowless child its keyboard cursor rests on)
// before Qt's own handling, which goes on when the control does not use them.
#include <QObject>

class TWinControl;

class TkKeyboardAdapter : public QObject {
public:
    TkKeyboardAdapter(TWinControl* control, QObject* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TWinControl* FControl;
};

// The toolkit's name of a Qt key (0 for keys it has none for), and the shift
// state of Qt's modifiers.
int VirtualKeyOf(int qtKey);
