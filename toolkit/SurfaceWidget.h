#pragma once
// The widget of a control that paints itself (panels, forms): it renders the
// control and its windowless children into a back buffer, so a windowless
// child can read what lies beneath it, then shows the buffer.
#include <QImage>
#include <QWidget>

class TWinControl;

class TkSurfaceWidget : public QWidget {
public:
    explicit TkSurfaceWidget(TWinControl* control);
    bool Painted() const { return FPainted; }
    TWinControl* Control() const { return FControl; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TWinControl* FControl;
    QImage FBuffer;
    bool FPainted = false;
};
