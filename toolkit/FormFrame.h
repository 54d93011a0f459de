#pragma once
// The top-level widget of a form: reports activation, moves, resizes, the
// close box, keys and the pointer leaving the window to its form.
#include <QWidget>

class TForm;

class TkFormFrame : public QWidget {
public:
    explicit TkFormFrame(TForm* form);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TForm* FForm;
};
