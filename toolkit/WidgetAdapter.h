#pragma once
// Turns a widget's Qt events into the toolkit's calls for its control: moves
// and button presses routed to windowless children, and size changes. Which
// control the pointer is over is decided by the pointer owner (Pointer.h).
#include <QObject>

class QWidget;
class TWinControl;

class TkWidgetAdapter : public QObject {
public:
    // routeButtons: the control handles presses itself (panels, forms); standard
    // controls report their clicks through their own signals instead.
    TkWidgetAdapter(TWinControl* control, QWidget* widget, bool routeButtons);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TWinControl* FControl;
    bool FRouteButtons;
};
